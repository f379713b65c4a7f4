// The catalogue engine over real Jet 4 files written into a temporary folder.
#include <gtest/gtest.h>

#include <cstdlib>
#include <fstream>

#include "platform/Error.h"
#include "platform/jet/BaseDeDatosJet.h"
#include "support/CarpetaTemporal.h"
#include "support/EsperaElError.h"
#include "support/JetDePrueba.h"

namespace mirvalo::jet {
namespace {

using jet4::TipoDeColumna;
using prueba::EsperaElError;

std::string Cadena(const std::string& ruta, const std::string& contrasena = "wmk5930qzB") {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + ruta +
           ";Persist Security Info=False;JET OLEDB:DATABASE PASSWORD=" + contrasena + ";";
}

void Escribe(const std::filesystem::path& ruta, std::string contrasena, double fecha,
             std::vector<jet4::Tabla> tablas) {
    jet4::EscribeElArchivo(ruta, jet4::ArchivoJet4{std::move(contrasena), fecha, std::move(tablas)});
}

TEST(JetBaseDeDatos, ReadsTypedValuesAndTellsNullFromEmptyText) {
    prueba::CarpetaTemporal carpeta;
    jet4::Tabla tabla{
        "Aplicaciones",
        {{"Id", TipoDeColumna::EnteroLargo},
         {"Código", TipoDeColumna::Texto, 20},
         {"Orden", TipoDeColumna::Entero},
         {"Nivel", TipoDeColumna::Byte},
         {"Activa", TipoDeColumna::Booleano},
         {"Nombre", TipoDeColumna::Texto, 100, true}},
        {{int32_t{1}, std::string("Matemáticas"), int32_t{-7}, int32_t{255}, true, std::string("Ñandú")},
         {int32_t{2}, std::string(""), int32_t{0}, int32_t{0}, false, std::string("中文 y más")},
         {jet4::Valor{}, jet4::Valor{}, jet4::Valor{}, jet4::Valor{}, jet4::Valor{}, jet4::Valor{}}}};
    const auto ruta = carpeta / "a.mdb";
    Escribe(ruta, "wmk5930qzB", 43831.5, {tabla});

    auto base = BaseDeDatosJet::Abre(Cadena(ruta.string()));
    const TablaJet leida = base.LeeLaTabla("APLICACIONES");  // names without regard to case

    ASSERT_EQ(leida.columnas.size(), 6u);
    EXPECT_EQ(leida.columnas[1].nombre, "Código");
    EXPECT_EQ(leida.columnas[1].tipo, TipoJet::Texto);
    EXPECT_EQ(leida.columnas[4].tipo, TipoJet::Booleano);
    EXPECT_EQ(leida.PosicionDe("código"), 1u);
    EXPECT_EQ(leida.PosicionDe("Otra"), std::nullopt);
    const std::vector<std::vector<ValorJet>> esperadas = {
        {int32_t{1}, std::string("Matemáticas"), int32_t{-7}, int32_t{255}, true, std::string("Ñandú")},
        {int32_t{2}, std::string(""), int32_t{0}, int32_t{0}, false, std::string("中文 y más")},
        {ValorJet{}, ValorJet{}, ValorJet{}, ValorJet{}, false, ValorJet{}}};
    EXPECT_EQ(leida.filas, esperadas);
}

TEST(JetBaseDeDatos, ReadsEveryRowOfATableOverManyPages) {
    prueba::CarpetaTemporal carpeta;
    jet4::Tabla tabla{"T", {{"n", TipoDeColumna::EnteroLargo}, {"t", TipoDeColumna::Texto, 255}}, {}};
    for (int i = 0; i < 500; ++i) tabla.filas.push_back({int32_t{i}, std::string(250, 'x')});
    Escribe(carpeta / "g.mdb", "", 43831.5, {jet4::Tabla{"Antes", {{"a"}}, {{int32_t{1}}}}, tabla});

    const TablaJet leida = BaseDeDatosJet::Abre(Cadena((carpeta / "g.mdb").string())).LeeLaTabla("T");
    ASSERT_EQ(leida.filas.size(), 500u);
    for (int i = 0; i < 500; ++i) EXPECT_EQ(leida.filas[i][0], ValorJet(int32_t{i}));
}

TEST(JetBaseDeDatos, PasswordIsCheckedAsTheEngineDoes) {
    const struct {
        const char* guardada;
        double fecha;
        const char* dada;
        bool abre;
    } casos[] = {
        {"wmk5930qzB", 43831.5, "wmk5930qzB", true},
        {"wmk5930qzB", 43831.5, "WMK5930QZB", false},  // case counts
        {"wmk5930qzB", 43831.5, "wmk5930qz", false},
        {"wmk5930qzB", 43831.5, "", false},
        {"wmk5930qzB", 1234567890.75, "wmk5930qzB", true},  // every byte of the date's mask in use
        {"wmk5930qzB", -36000.25, "wmk5930qzB", true},      // a date before 1899
        {"ñandúÑANDÚ€12345678", 40000.0, "ñandúÑANDÚ€12345678", true},
        {"ñandúÑANDÚ€12345678", 40000.0, "ñandúÑANDÚ€1234567", false},
        {"", 43831.5, "", true},
        {"", 43831.5, "cualquiera", true},  // a database without password opens with any
    };
    for (const auto& caso : casos) {
        prueba::CarpetaTemporal carpeta;
        const auto ruta = carpeta / "c.mdb";
        Escribe(ruta, caso.guardada, caso.fecha, {jet4::Tabla{"T", {{"a"}}, {{int32_t{1}}}}});
        SCOPED_TRACE(std::string(caso.guardada) + " / " + caso.dada);
        if (caso.abre) {
            EXPECT_EQ(BaseDeDatosJet::Abre(Cadena(ruta.string(), caso.dada)).LeeLaTabla("T").filas.size(),
                      1u);
        } else {
            EsperaElError([&] { BaseDeDatosJet::Abre(Cadena(ruta.string(), caso.dada)); }, -2147217843,
                          "Not a valid password.");
        }
    }
}

TEST(JetBaseDeDatos, FailuresCarryTheDataAccessLayersNumbersAndTexts) {
    prueba::CarpetaTemporal carpeta;
    const std::string valida = (carpeta / "v.mdb").string();
    Escribe(valida, "wmk5930qzB", 43831.5, {jet4::Tabla{"T", {{"a"}}, {}}});
    const std::string texto = (carpeta / "texto.mdb").string();
    std::ofstream(texto) << "esto no es una base de datos";
    const std::string vacio = (carpeta / "vacio.mdb").string();
    std::ofstream(vacio).flush();
    // A later Access format: the Jet 4 provider does not read it.
    const std::string ace = (carpeta / "ace.mdb").string();
    std::filesystem::copy_file(valida, ace);
    {
        std::fstream f(ace, std::ios::in | std::ios::out | std::ios::binary);
        f.seekp(4);
        f.write("Standard ACE DB", 15);
    }
    const std::string noEsta = (carpeta / "no-esta.mdb").string();
    const std::string enCarpetaQueNoEsta = (carpeta / "no" / "x.mdb").string();

    EsperaElError([&] { BaseDeDatosJet::Abre(Cadena(noEsta)); }, -2147467259,
                  "Could not find file '" + noEsta + "'.");
    EsperaElError([&] { BaseDeDatosJet::Abre(Cadena(enCarpetaQueNoEsta)); }, -2147467259,
                  "Could not find file '" + enCarpetaQueNoEsta + "'.");
    for (const std::string& ruta : {texto, vacio, ace})
        EsperaElError([&] { BaseDeDatosJet::Abre(Cadena(ruta)); }, -2147467259,
                      "Unrecognized database format '" + ruta + "'.");
    EsperaElError(
        [&] { BaseDeDatosJet::Abre(Cadena(valida)).LeeLaTabla("TBL_Aplicacion"); }, -2147217865,
        "The Microsoft Jet database engine cannot find the input table or query 'TBL_Aplicacion'.  Make "
        "sure it exists and that its name is spelled correctly.");
    EsperaElError([&] { BaseDeDatosJet::Abre("Provider=Microsoft.ACE.OLEDB.12.0;Data Source=" + valida); },
                  -2146824582, "Provider cannot be found. It may not be properly installed.");
    EsperaElError([&] { BaseDeDatosJet::Abre("Data Source=" + valida); }, -2146824582,
                  "Provider cannot be found. It may not be properly installed.");
    for (const char* malFormada : {"Provider=Microsoft.Jet.OLEDB.4.0;Data Source", "Provider=\"abc;",
                                   "=x;Provider=Microsoft.Jet.OLEDB.4.0"})
        EsperaElError([&] { BaseDeDatosJet::Abre(malFormada); }, -2147217805,
                      "Format of the initialization string does not conform to the OLE DB specification.");
}

TEST(JetBaseDeDatos, ConnectionStringIsReadLikeTheProviderReadsIt) {
    prueba::CarpetaTemporal carpeta;
    setenv("MIRVALO_SYSTEM_ROOT", carpeta.Ruta().c_str(), 1);
    std::filesystem::create_directories(carpeta / "Program Files" / "Mirvalo Local");
    Escribe(carpeta / "Program Files" / "Mirvalo Local" / "MVDataBase.mdb", "a;b'c", 43831.5,
            {jet4::Tabla{"T", {{"a"}}, {{int32_t{7}}}}});

    // A Windows path on the emulated drive, keys in any case, blanks, and a quoted password.
    const auto tabla =
        BaseDeDatosJet::Abre(
            "  provider = Microsoft.Jet.OLEDB.4.0 ; DATA SOURCE=C:\\Program Files\\Mirvalo "
            "Local\\MVDataBase.mdb;;Persist Security Info=False; Jet OLEDB:Database Password='a;b''c'")
            .LeeLaTabla("t");
    EXPECT_EQ(tabla.filas, (std::vector<std::vector<ValorJet>>{{int32_t{7}}}));
}

}  // namespace
}  // namespace mirvalo::jet
