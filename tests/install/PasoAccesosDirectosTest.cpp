#include "install/PasoAccesosDirectos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "InstalacionDePrueba.h"
#include "platform/CarpetasEspeciales.h"
#include "support/Lnkinfo.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::Lnkinfo;
using prueba::PasoReportado;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

const int32_t Carpetas[] = {csidl::Desktop, csidl::Programs, csidl::StartMenu, csidl::CommonStartMenu,
                            csidl::CommonPrograms};

class AccesosDirectos : public prueba::InstalacionDePrueba {
protected:
    void ConElLanzadorYSuIcono() {
        Instala("CAMVLogIn.exe", "MZ lanzador");
        Instala("mvicon.ico", "icono");
    }
    static void Crea() { PasoAccesosDirectos(Core()).CreaElAccesoDirecto(); }
    static fs::path Acceso(int32_t carpeta, const std::string& nombre = "Mirvalo Mirvalo Plataforma Cloud") {
        return *sistema::CarpetaEspecial(carpeta) / (nombre + ".lnk");
    }
};

TEST_F(AccesosDirectos, OneShortcutInEachOfTheFiveFoldersToTheLauncherWithItsIcon) {
    ConElLanzadorYSuIcono();

    Crea();

    for (int32_t carpeta : Carpetas) {
        const std::string info = Lnkinfo(Acceso(carpeta));
        EXPECT_THAT(
            info,
            HasSubstr(
                "Local path\t\t\t: C:\\Program Files\\Mirvalo Mirvalo Plataforma Cloud\\CAMVLogIn.exe\n"))
            << carpeta;
        EXPECT_THAT(
            info, HasSubstr("Working directory\t\t: C:\\Program Files\\Mirvalo Mirvalo Plataforma Cloud\n"));
        EXPECT_THAT(
            info,
            HasSubstr(
                "Icon location\t\t\t: C:\\Program Files\\Mirvalo Mirvalo Plataforma Cloud\\mvicon.ico\n"));
    }
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 607, 1, ""}}));
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(AccesosDirectos, WithoutTheLauncherOrTheIconNoShortcutIsMade) {
    for (const char* presente : {"CAMVLogIn.exe", "mvicon.ico"}) {
        SCOPED_TRACE(presente);
        Core().Descarga.Archivos().clear();
        Instala(presente, "MZ");

        Crea();

        for (int32_t carpeta : Carpetas) EXPECT_FALSE(fs::exists(Acceso(carpeta))) << carpeta;
        EXPECT_EQ(Pasos().back(), (PasoReportado{1, 607, 1, ""}));
    }
}

TEST_F(AccesosDirectos, AFolderThatCannotTakeTheShortcutIsSkippedAndTheOthersAreMade) {
    ConElLanzadorYSuIcono();
    fs::create_directories(Acceso(csidl::CommonStartMenu));  // a folder where the file would go

    Crea();

    EXPECT_TRUE(fs::is_directory(Acceso(csidl::CommonStartMenu)));
    for (int32_t carpeta : {csidl::Desktop, csidl::Programs, csidl::StartMenu, csidl::CommonPrograms})
        EXPECT_TRUE(fs::is_regular_file(Acceso(carpeta))) << carpeta;
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 607, 1, ""}}));
}

TEST_F(AccesosDirectos, AFolderTheShellCannotFindPutsTheShortcutAtTheRootOfTheDrive) {
    ConElLanzadorYSuIcono();
    fs::remove_all(*sistema::CarpetaEspecial(csidl::Programs));

    Crea();

    EXPECT_TRUE(fs::is_regular_file(raiz_ / "Mirvalo Mirvalo Plataforma Cloud.lnk"));
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 607, 1, ""}}));
}

TEST_F(AccesosDirectos, WithoutAnInstallationNameTheShortcutsAreNamedAfterTheProduct) {
    Core().Descarga.EstablecePlataforma(0);
    ConElLanzadorYSuIcono();

    Crea();

    for (int32_t carpeta : Carpetas) EXPECT_TRUE(fs::is_regular_file(Acceso(carpeta, "Mirvalo"))) << carpeta;
    EXPECT_FALSE(fs::exists(Acceso(csidl::Desktop, "")));
}

}  // namespace
}  // namespace mirvalo
