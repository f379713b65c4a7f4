#include "platform/Regsvr32Emulado.h"

#include <gtest/gtest.h>
#include <filesystem>
#include <fstream>

#include "platform/LineaDeOrdenes.h"
#include "platform/SistemaRaiz.h"
#include "support/RaizDePrueba.h"

namespace mirvalo::procesos {
namespace {

namespace fs = std::filesystem;

class Regsvr32Emulado : public prueba::RaizDePrueba {
protected:
    void SetUp() override {
        RaizDePrueba::SetUp();
        sistema32_ = sistema::Entorno("windir") + "\\System32\\";
    }

    // A file with a Windows program header is a library the tool can load.
    std::string Biblioteca(const std::string& nombre, const char* contenido = "MZ\x90\0") {
        std::ofstream(sistema::RutaNativa(sistema32_ + nombre), std::ios::binary) << contenido;
        return sistema32_ + nombre;
    }
    std::string sistema32_;
};

TEST_F(Regsvr32Emulado, SilentRegistrationIsRecordedAndShowsNothing) {
    const std::string ocx = Biblioteca("MSCOMCTL.OCX");
    EXPECT_EQ(EjecutaRegsvr32({"/s", ocx}), regsvr32::Correcto);

    EXPECT_EQ(Lee(raiz_ / "registrations.txt"), "DllRegisterServer\t" + ocx + "\n");
    EXPECT_EQ(BibliotecasRegistradas(), std::vector<std::string>{ocx});
    EXPECT_EQ(Diario().find("regsvr32"), std::string::npos);
}

TEST_F(Regsvr32Emulado, WithoutSilentTheMessageGoesToTheJournal) {
    const std::string dll = Biblioteca("a.dll");
    EXPECT_EQ(EjecutaRegsvr32({dll}), regsvr32::Correcto);
    EXPECT_NE(Diario().find("regsvr32: DllRegisterServer in " + dll + " succeeded."), std::string::npos);
}

TEST_F(Regsvr32Emulado, AnUnquotedPathWithABlankIsSplitAndFailsToLoad) {
    const std::string dll = Biblioteca("mi biblioteca.dll");
    const std::vector<std::string> partida = DivideLosParametros("/s " + dll);
    ASSERT_EQ(partida.size(), 3u);
    EXPECT_EQ(EjecutaRegsvr32(partida), regsvr32::NoSeCargo);
    EXPECT_TRUE(BibliotecasRegistradas().empty());

    EXPECT_EQ(EjecutaRegsvr32(DivideLosParametros("/s \"" + dll + "\"")), regsvr32::Correcto);
    EXPECT_EQ(BibliotecasRegistradas(), std::vector<std::string>{dll});
}

TEST_F(Regsvr32Emulado, BadArgumentsAndUnloadableFilesEndWithTheToolsCodes) {
    const std::string dll = Biblioteca("a.dll");
    const std::string texto = Biblioteca("texto.dll", "not a program");
    struct Caso {
        std::vector<std::string> argumentos;
        int codigo;
    };
    const std::vector<Caso> casos = {
        {{}, regsvr32::ArgumentosNoValidos},
        {{"/s"}, regsvr32::ArgumentosNoValidos},
        {{"/s", "/x", dll}, regsvr32::ArgumentosNoValidos},
        {{"/s", "/n", dll}, regsvr32::ArgumentosNoValidos},
        {{"/s", sistema32_ + "missing.dll"}, regsvr32::NoSeCargo},
        {{"/s", texto}, regsvr32::NoSeCargo},
        {{"/s", sistema32_}, regsvr32::NoSeCargo},
    };
    for (const Caso& caso : casos) {
        EXPECT_EQ(EjecutaRegsvr32(caso.argumentos), caso.codigo) << ::testing::PrintToString(caso.argumentos);
    }
    EXPECT_TRUE(BibliotecasRegistradas().empty());
}

TEST_F(Regsvr32Emulado, ABareNameIsFoundInSystem32AndRegistrationsFollowTheLastCall) {
    Biblioteca("comdlg32.ocx");
    EXPECT_EQ(EjecutaRegsvr32({"-S", "comdlg32.ocx"}), regsvr32::Correcto);
    EXPECT_EQ(EjecutaRegsvr32({"/s", "comdlg32.ocx"}), regsvr32::Correcto);  // no second entry
    EXPECT_EQ(BibliotecasRegistradas(), std::vector<std::string>{"comdlg32.ocx"});

    EXPECT_EQ(EjecutaRegsvr32({"/s", "/u", "comdlg32.ocx"}), regsvr32::Correcto);
    EXPECT_TRUE(BibliotecasRegistradas().empty());
}

}  // namespace
}  // namespace mirvalo::procesos
