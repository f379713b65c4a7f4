#include "install/EX_InstallFont.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/SistemaRaiz.h"
#include "support/RaizDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;

// A real TrueType font (fonts-dejavu-core, installed by scripts/setup.sh).
const fs::path FuenteReal = "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf";

class EX_InstallFontTest : public prueba::RaizDePrueba {
protected:
    void SetUp() override {
        RaizDePrueba::SetUp();
        dlls_ = sistema::Entorno("ProgramFiles") + "\\Mirvalo Escuela Local\\Utilerías\\Dlls";
        fs::create_directories(sistema::RutaNativa(dlls_));
        fs::copy_file(FuenteReal, sistema::RutaNativa(dlls_ + "\\MVFuente.ttf"));
        fuentes_ = raiz_ / "Windows/Fonts";
        fs::current_path(raiz_);
    }
    void Instala(const std::string& archivo) {
        EX_InstallFont fuente;
        fuente.PathTTF(dlls_);
        fuente.archivoTTF(archivo);
        fuente.Instalar();
    }

    std::string dlls_;
    fs::path fuentes_;
};

TEST_F(EX_InstallFontTest, CopiesMakesTheResourceAndAddsTheFontToTheRunningSystem) {
    EX_InstallFont fuente;
    EXPECT_EQ(fs::path(fuente.DirectorioFuentesSistema()), fuentes_);

    Instala("MVFuente.ttf");
    EXPECT_EQ(fs::file_size(fuentes_ / "MVFuente.ttf"), fs::file_size(FuenteReal));
    EXPECT_TRUE(fs::exists(fuentes_ / "MVFuente.FOT"));
    const std::string diario = Diario();
    EXPECT_NE(diario.find("AddFontResource: " + (fuentes_ / "MVFuente.ttf").string()), std::string::npos)
        << diario;
    EXPECT_NE(diario.find("WM_FONTCHANGE"), std::string::npos) << diario;
    EXPECT_EQ(fs::current_path(), raiz_);
}

TEST_F(EX_InstallFontTest, AFontAlreadyInstalledIsNotOverwrittenButAddedAgain) {
    std::ofstream(fuentes_ / "MVFuente.ttf", std::ios::binary)
        << std::ifstream(FuenteReal, std::ios::binary).rdbuf() << "older copy";
    std::ofstream(fuentes_ / "MVFuente.FOT") << "resource of the older copy";

    Instala("MVFuente.ttf");
    EXPECT_EQ(fs::file_size(fuentes_ / "MVFuente.ttf"), fs::file_size(FuenteReal) + 10);
    std::ifstream recurso(fuentes_ / "MVFuente.FOT");
    std::string linea;
    std::getline(recurso, linea);
    EXPECT_EQ(linea, "resource of the older copy");
    EXPECT_NE(Diario().find("AddFontResource"), std::string::npos);
}

TEST_F(EX_InstallFontTest, NothingIsInstalledWhenAnyCheckFails) {
    std::ofstream(sistema::RutaNativa(dlls_ + "\\Rota.ttf")) << "not a font";
    struct Caso {
        const char* que;
        bool conCarpeta;
        const char* archivo;
    };
    const std::vector<Caso> casos = {
        {"no file name", true, ""},
        {"no folder given", false, "MVFuente.ttf"},
        {"missing file", true, "NoHay.ttf"},
    };
    for (const Caso& caso : casos) {
        EX_InstallFont fuente;
        if (caso.conCarpeta) fuente.PathTTF(dlls_);
        fuente.archivoTTF(caso.archivo);
        fuente.Instalar();
    }
    EXPECT_TRUE(fs::is_empty(fuentes_));
    EXPECT_EQ(Diario(), "");

    // A file that is no font is copied, but no resource is made and nothing is added.
    Instala("Rota.ttf");
    EXPECT_TRUE(fs::exists(fuentes_ / "Rota.ttf"));
    EXPECT_FALSE(fs::exists(fuentes_ / "Rota.FOT"));
    EXPECT_EQ(Diario(), "");
    EXPECT_EQ(fs::current_path(), raiz_);  // given back though the font was not added
}

TEST_F(EX_InstallFontTest, WithoutAFontsFolderNothingIsInstalled) {
    fs::remove_all(fuentes_);
    EX_InstallFont fuente;
    EXPECT_EQ(fuente.DirectorioFuentesSistema(), "");
    fuente.PathTTF(dlls_);
    fuente.archivoTTF("MVFuente.ttf");
    fuente.Instalar();

    EXPECT_FALSE(fs::exists(raiz_ / "MVFuente.ttf"));  // the root of the drive
    EXPECT_FALSE(fs::exists(fuentes_));
    EXPECT_EQ(Diario(), "");
}

TEST_F(EX_InstallFontTest, PathAndNameAreTrimmedAndThePathEndsWithABackslash) {
    EX_InstallFont fuente;
    fuente.PathTTF("  C:\\Fuentes ");
    fuente.archivoTTF(" a.ttf  ");
    EXPECT_EQ(fuente.PathTTF(), "C:\\Fuentes\\");
    EXPECT_EQ(fuente.archivoTTF(), "a.ttf");
    fuente.PathTTF("C:\\Fuentes\\");
    EXPECT_EQ(fuente.PathTTF(), "C:\\Fuentes\\");
}

}  // namespace
}  // namespace mirvalo
