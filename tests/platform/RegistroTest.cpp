#include "platform/Registro.h"

#include "platform/Error.h"

#include "support/RaizDePrueba.h"

#include <gmock/gmock.h>

namespace mirvalo::registro {
namespace {

using prueba::RaizDePrueba;
using testing::ElementsAre;
using testing::HasSubstr;
using Registro = RaizDePrueba;

constexpr const char* Versiones = "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP";

int32_t NumeroDeError(auto operacion) {
    try {
        operacion();
    } catch (const Error& error) {
        return error.Numero();
    }
    return 0;
}

TEST_F(Registro, AFreshRegistryHasTheFramework4AndNot20) {
    EXPECT_THAT(Subclaves(Rama::MaquinaLocal, Versiones), ElementsAre("v4", "v4.0"));
    EXPECT_TRUE(ExisteLaClave(Rama::UsuarioActual, "Software\\Policies"));
    EXPECT_THAT(Lee(raiz_ / "registry.txt"),
                HasSubstr("[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework "
                          "Setup\\NDP\\v4\\Full]\n\"Install\"=dword:00000001\n"));
}

TEST_F(Registro, ValuesSurviveTheFileWhateverTheirText) {
    const std::string texto = "comillas \" barra \\ salto\nfin ñ";
    EscribeTexto(Rama::UsuarioActual, "Software\\Mirvalo\\Prueba", "Nombre", texto);
    EscribeDword(Rama::UsuarioActual, "Software\\Mirvalo\\Prueba", "", 0xFFFFFFFFu);

    // Key and value names ignore letter case.
    EXPECT_EQ(LeeTexto(Rama::UsuarioActual, "SOFTWARE\\MIRVALO\\prueba", "nombre"), texto);
    EXPECT_EQ(LeeDword(Rama::UsuarioActual, "software\\mirvalo\\PRUEBA", ""), 0xFFFFFFFFu);
    EXPECT_THAT(Lee(raiz_ / "registry.txt"),
                HasSubstr("[HKEY_CURRENT_USER\\Software\\Mirvalo\\Prueba]\n"
                          "\"Nombre\"=\"comillas \\\" barra \\\\ salto\\nfin ñ\"\n"
                          "@=dword:ffffffff\n"));

    EscribeDword(Rama::UsuarioActual, "Software\\Mirvalo\\Prueba", "NOMBRE", 5);
    EXPECT_EQ(LeeDword(Rama::UsuarioActual, "Software\\Mirvalo\\Prueba", "Nombre"), 5u);
}

TEST_F(Registro, MissingKeysAndValuesAndTheWrongType) {
    EXPECT_FALSE(ExisteLaClave(Rama::MaquinaLocal, "SOFTWARE\\NoExiste"));
    EXPECT_EQ(LeeDword(Rama::MaquinaLocal, "SOFTWARE\\NoExiste", "x"), std::nullopt);
    EXPECT_EQ(LeeTexto(Rama::MaquinaLocal, "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full", "x"),
              std::nullopt);
    EXPECT_EQ(NumeroDeError([] { Subclaves(Rama::MaquinaLocal, "SOFTWARE\\NoExiste"); }),
              errores::ArchivoNoEncontrado);
    EXPECT_EQ(NumeroDeError([] {
                  LeeDword(Rama::MaquinaLocal, "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v4\\Full",
                           "Version");
              }),
              errores::TiposNoCoinciden);
}

TEST_F(Registro, SubkeysComeInWindowsOrderAndDeletingTakesTheWholeBranch) {
    for (const char* clave : {"Software\\Orden\\beta", "Software\\Orden\\Alfa\\hija",
                              "Software\\Orden\\gamma", "Software\\Orden\\ALFA\\otra"})
        CreaLaClave(Rama::UsuarioActual, clave);
    EXPECT_THAT(Subclaves(Rama::UsuarioActual, "Software\\Orden"), ElementsAre("Alfa", "beta", "gamma"));
    EXPECT_THAT(Subclaves(Rama::UsuarioActual, "Software\\Orden\\alfa"), ElementsAre("hija", "otra"));

    EscribeDword(Rama::UsuarioActual, "Software\\Orden\\beta", "v", 1);
    BorraElValor(Rama::UsuarioActual, "Software\\Orden\\beta", "V");
    EXPECT_EQ(LeeDword(Rama::UsuarioActual, "Software\\Orden\\beta", "v"), std::nullopt);

    BorraLaClave(Rama::UsuarioActual, "software\\orden\\alfa");
    EXPECT_THAT(Subclaves(Rama::UsuarioActual, "Software\\Orden"), ElementsAre("beta", "gamma"));
    EXPECT_FALSE(ExisteLaClave(Rama::UsuarioActual, "Software\\Orden\\Alfa\\hija"));
    EXPECT_EQ(NumeroDeError([] { BorraLaClave(Rama::UsuarioActual, ""); }), errores::LlamadaNoValida);
}

TEST_F(Registro, AHandWrittenFileIsReadAndABrokenOneIsAnError) {
    Escribe(raiz_ / "registry.txt",
            "Windows Registry Editor Version 5.00\r\n\r\n; a comment\r\n"
            "[HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727]\r\n"
            "  \"Install\"=dword:1\r\n");
    EXPECT_EQ(
        LeeDword(Rama::MaquinaLocal, "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727", "Install"),
        1u);
    EXPECT_THAT(Subclaves(Rama::MaquinaLocal, Versiones), ElementsAre("v2.0.50727"));

    for (const char* roto : {"\"Install\"=dword:1\n", "[HKEY_CURRENT_USER\\A]\n\"x\"=dword:123456789\n",
                             "[HKEY_CURRENT_USER\\A]\n\"x\"=\"sin cierre\n", "[HKEY_CURRENT_USER\\A\n",
                             "[HKEY_CURRENT_USER\\A]\n\"x\"=hex:00\n"}) {
        Escribe(raiz_ / "registry.txt", roto);
        EXPECT_EQ(NumeroDeError([] { ExisteLaClave(Rama::UsuarioActual, "A"); }),
                  errores::ErrorDeEntradaSalida)
            << roto;
    }
}

}  // namespace
}  // namespace mirvalo::registro
