#include "install/PasoLibreriasYFuentes.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "InstalacionDePrueba.h"
#include "platform/Eventos.h"
#include "platform/Regsvr32Emulado.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::PasoReportado;
using ::testing::ElementsAre;
using ::testing::IsEmpty;
using ::testing::UnorderedElementsAre;

// A library the emulated registration tool can load: it starts with a Windows program header.
std::string Biblioteca(const std::string& nombre) {
    return "MZ biblioteca " + nombre;
}

class LibreriasYFuentes : public prueba::InstalacionDePrueba {
protected:
    void SetUp() override {
        InstalacionDePrueba::SetUp();
        sistema32_ = Nativa(sistema::Entorno("windir") + "\\System32");
        fuentes_ = Nativa(sistema::Entorno("windir") + "\\Fonts");
        dlls_ = Nativa(instalacion_ + "\\Utilerías\\Dlls");
        fs::create_directories(dlls_);
    }
    void TearDown() override {
        EstableceBombaDeEventos(nullptr);
        InstalacionDePrueba::TearDown();
    }
    void Pon(const std::string& nombre, const std::string& contenido) { Escribe(dlls_ / nombre, contenido); }
    void PonLaFuente(const std::string& nombre) {
        fs::copy_file(DelProducto("datos/producto/Mirvalo/Utilerías/Dlls/DejaVuSans.ttf"), dlls_ / nombre);
    }
    static void Instala() { PasoLibreriasYFuentes(Core()).InstalarLibreriasYFuentes(); }

    std::string Registrada(const std::string& nombre) const {
        return sistema::Entorno("windir") + "\\System32\\" + nombre;
    }
    std::vector<std::string> FuentesAgregadas() const { return LineasDelDiario("AddFontResource"); }

    fs::path sistema32_;
    fs::path fuentes_;
    fs::path dlls_;
};

TEST_F(LibreriasYFuentes, CopiesSupportFilesRegistersNewLibrariesAndInstallsNewFonts) {
    Pon("a.dll", Biblioteca("a"));
    Pon("b.OCX", Biblioteca("b"));
    Pon("x.dat", "apoyo");
    Pon("LEAME", "sin extensión");
    Pon("y.DL", "parte de la lista");
    Pon("z.", "solo el punto");
    PonLaFuente("f.Ttf");
    fs::create_directories(dlls_ / "sub.dll");  // a folder is no file of the listing
    int eventos = 0;
    EstableceBombaDeEventos([&] { ++eventos; });

    Instala();

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 603, 1, ""}}));
    EXPECT_EQ(Lee(sistema32_ / "a.dll"), Biblioteca("a"));
    EXPECT_EQ(Lee(sistema32_ / "b.OCX"), Biblioteca("b"));
    EXPECT_EQ(Lee(sistema32_ / "x.dat"), "apoyo");
    for (const char* ignorado : {"LEAME", "y.DL", "z.", "f.Ttf", "sub.dll"})
        EXPECT_FALSE(fs::exists(sistema32_ / ignorado)) << ignorado;
    EXPECT_THAT(procesos::BibliotecasRegistradas(),
                UnorderedElementsAre(Registrada("a.dll"), Registrada("b.OCX")));
    EXPECT_TRUE(fs::exists(fuentes_ / "f.Ttf"));
    EXPECT_EQ(FuentesAgregadas().size(), 1u);
    EXPECT_EQ(eventos, 14);  // once per file in each of the two passes
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(LibreriasYFuentes, WhatIsAlreadyInPlaceIsNeitherOverwrittenNorRegisteredNorInstalledAgain) {
    Pon("a.dll", Biblioteca("a nueva"));
    Pon("x.dat", "apoyo nuevo");
    PonLaFuente("f.ttf");
    Escribe(sistema32_ / "a.dll", "MZ la que ya estaba");
    Escribe(sistema32_ / "x.dat", "apoyo anterior");
    Escribe(fuentes_ / "f.ttf", "la fuente anterior");

    Instala();

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 603, 1, ""}}));
    EXPECT_EQ(Lee(sistema32_ / "a.dll"), "MZ la que ya estaba");
    EXPECT_EQ(Lee(sistema32_ / "x.dat"), "apoyo anterior");
    EXPECT_EQ(Lee(fuentes_ / "f.ttf"), "la fuente anterior");
    EXPECT_THAT(procesos::BibliotecasRegistradas(), IsEmpty());
    EXPECT_THAT(FuentesAgregadas(), IsEmpty());
}

TEST_F(LibreriasYFuentes, ALibraryWhoseNameHasABlankReachesTheToolUnquoted) {
    Pon("con blanco.dll", Biblioteca("con blanco"));

    Instala();

    EXPECT_TRUE(fs::exists(sistema32_ / "con blanco.dll"));
    // The command line splits at the blank: the tool is asked for "...\con" and "blanco.dll".
    EXPECT_THAT(procesos::BibliotecasRegistradas(), IsEmpty());
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 603, 1, ""}}));
}

TEST_F(LibreriasYFuentes, WithoutTheLibrariesFolderNothingIsCopied) {
    fs::remove_all(dlls_);

    Instala();

    EXPECT_EQ(
        Pasos(),
        (std::vector<PasoReportado>{{1, 603, 0, "No se encontró la carpeta Dlls dentro de Utilerías."}}));
    EXPECT_THAT(procesos::BibliotecasRegistradas(), IsEmpty());
}

TEST_F(LibreriasYFuentes, AFileThatCannotBeCopiedEndsTheStepAndLaterFilesAreNotHandled) {
    Pon("a.dll", Biblioteca("a"));
    Pon("b.dll", Biblioteca("b"));
    fs::create_directories(sistema32_ / "a.dll" / "no es un archivo");  // a folder in its place

    Instala();

    EXPECT_EQ(Pasos(),
              (std::vector<PasoReportado>{
                  {1, 603, 0,
                   "No se pudieron instalar las librerías y fuentes necesarias de Mirvalo. (58 - File "
                   "already exists)"}}));
    EXPECT_FALSE(fs::exists(sistema32_ / "b.dll"));
    EXPECT_THAT(Fallos(), ElementsAre("InstalarLibreriasYFuentes 58"));
}

}  // namespace
}  // namespace mirvalo
