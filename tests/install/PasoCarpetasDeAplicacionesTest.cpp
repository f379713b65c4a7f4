#include "install/PasoCarpetasDeAplicaciones.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "InstalacionDePrueba.h"
#include "support/JetDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::PasoReportado;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

const std::vector<std::string> CarpetasFijas = {
    "",
    "Banderas",
    "Base de datos",
    "Fonts",
    "Imagenes",
    "Logros",
    "Recursos",
    "Utilerías",
    "Utilerías/Archivos de ayuda",
    "Utilerías/Componentes",
    "Utilerías/DirectX",
    "Utilerías/Dlls",
    "Utilerías/Imagenes Logros",
    "Visor",
};

class CarpetasDeAplicaciones : public prueba::InstalacionDePrueba {
protected:
    void ConCatalogo(const std::vector<prueba::AplicacionDePrueba>& filas,
                     const std::string& contrasena = prueba::ContrasenaDelCatalogo) {
        const fs::path ruta = Nativa(instalacion_ + "\\Base de datos\\MVDataBase.mdb");
        fs::create_directories(ruta.parent_path());
        prueba::EscribeCatalogo(ruta, filas, contrasena);
        AgregaAlPlan("Base de datos\\MVDataBase.mdb");
    }

    // Every folder under the installation folder, '/'-separated, sorted; "" for the folder itself.
    std::vector<std::string> Carpetas() const {
        const fs::path raiz = Nativa(instalacion_);
        std::vector<std::string> carpetas = {""};
        for (const auto& entrada : fs::recursive_directory_iterator(raiz))
            if (entrada.is_directory())
                carpetas.push_back(fs::relative(entrada.path(), raiz).generic_string());
        std::sort(carpetas.begin(), carpetas.end());
        return carpetas;
    }
    static std::vector<std::string> Ordenadas(std::vector<std::string> carpetas) {
        std::sort(carpetas.begin(), carpetas.end());
        return carpetas;
    }

    static PasoCarpetasDeAplicaciones Paso() { return PasoCarpetasDeAplicaciones(Core()); }
};

TEST_F(CarpetasDeAplicaciones, EveryApplicationButTheViewerGetsAFolderAndOneInsideTheViewer) {
    ConCatalogo({{101, "Números"}, {98, "Visor"}, {203, "Redacción"}, {102, "Geometría"}, {104, "números"}});

    EXPECT_THAT(Paso().ObtenerLasNomenclaturasDeLasAplicacionesDeLaBaseDeDatos(),
                ElementsAre("Geometría", "Números", "Redacción"));
    Paso().CreaLasCarpetasDeLasAplicaciones();

    std::vector<std::string> esperadas = CarpetasFijas;
    for (const char* aplicacion : {"Números", "Redacción", "Geometría"}) {
        esperadas.push_back(aplicacion);
        esperadas.push_back(std::string("Visor/") + aplicacion);
    }
    EXPECT_EQ(Carpetas(), Ordenadas(esperadas));
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 601, 1, ""}}));
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(CarpetasDeAplicaciones, WithoutApplicationsOnlyTheFixedFoldersAreMadeAndNothingIsLogged) {
    struct Caso {
        const char* nombre;
        std::vector<prueba::AplicacionDePrueba> filas;
        bool conBaseDeDatos;
    };
    for (const Caso& caso : {Caso{"database not in the plan", {}, false}, Caso{"empty table", {}, true},
                             Caso{"only the viewer", {{98, "Visor"}}, true}}) {
        SCOPED_TRACE(caso.nombre);
        fs::remove_all(Nativa(instalacion_));
        fs::create_directories(Nativa(instalacion_));
        Core().Descarga.Archivos().clear();
        if (caso.conBaseDeDatos) ConCatalogo(caso.filas);

        Paso().CreaLasCarpetasDeLasAplicaciones();

        EXPECT_EQ(Carpetas(), Ordenadas(CarpetasFijas));
        EXPECT_EQ(Pasos().back(), (PasoReportado{1, 601, 1, ""}));
    }
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(CarpetasDeAplicaciones, AnUnreadableCatalogueIsLoggedAndTheFixedFoldersAreStillMade) {
    ConCatalogo({{101, "Números"}}, "otra");

    Paso().CreaLasCarpetasDeLasAplicaciones();

    EXPECT_EQ(Carpetas(), Ordenadas(CarpetasFijas));
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 601, 1, ""}}));
    ASSERT_EQ(Fallos().size(), 1u);
    EXPECT_THAT(Fallos()[0],
                ::testing::StartsWith("ObtenerLasNomenclaturasDeLasAplicacionesDeLaBaseDeDatos "));
}

TEST_F(CarpetasDeAplicaciones, AReadOnlyFolderStaysAndBecomesWritable) {
    const fs::path logros = Nativa(instalacion_ + "\\Logros");
    fs::create_directories(logros);
    prueba::InstalacionDePrueba::Escribe(logros / "logro.png", "png");
    fs::permissions(logros, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                    fs::perm_options::remove);

    Paso().CreaLasCarpetasDeLasAplicaciones();

    EXPECT_TRUE(fs::exists(logros / "logro.png"));
    EXPECT_NE(fs::status(logros).permissions() & fs::perms::owner_write, fs::perms::none);
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 601, 1, ""}}));
}

TEST_F(CarpetasDeAplicaciones, ANomenclatureThatCannotBeAFolderIsLoggedByItselfAndTheRestAreMade) {
    // ".." and "..\..\Windows" would reach the program files and the Windows folder; "A\B" has no
    // parent.
    ConCatalogo({{101, ".."}, {102, "..\\..\\Windows"}, {103, "A\\B"}, {104, "Números"}});
    const fs::path programas = Nativa(sistema::Entorno("ProgramFiles"));
    const fs::path windows = Nativa(sistema::Entorno("windir"));
    for (const fs::path& carpeta : {programas, windows})
        fs::permissions(carpeta, fs::perms::owner_write, fs::perm_options::remove);

    Paso().CreaLasCarpetasDeLasAplicaciones();

    std::vector<std::string> esperadas = CarpetasFijas;
    esperadas.insert(esperadas.end(), {"Números", "Visor/Números"});
    EXPECT_EQ(Carpetas(), Ordenadas(esperadas));
    EXPECT_FALSE(fs::exists(programas / "Windows"));
    for (const fs::path& carpeta : {programas, windows})
        EXPECT_EQ(fs::status(carpeta).permissions() & fs::perms::owner_write, fs::perms::none) << carpeta;
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 601, 1, ""}}));
    // "\..", then both folders of "..\..\Windows" ("\Visor\.." is the installation folder itself),
    // then both of "A\B".
    EXPECT_THAT(Fallos(), ElementsAre("CreaLaCarpetaConSusAtributos 75", "CreaLaCarpetaConSusAtributos 75",
                                      "CreaLaCarpetaConSusAtributos 75", "CreaLaCarpetaConSusAtributos 53",
                                      "CreaLaCarpetaConSusAtributos 53"));
}

TEST_F(CarpetasDeAplicaciones, WithoutAnInstallationFolderNothingIsMadeAtTheRootOfTheDrive) {
    Core().Descarga.EstableceCarpetaInstalacion("");

    Paso().CreaLasCarpetasDeLasAplicaciones();

    EXPECT_FALSE(fs::exists(raiz_ / "Banderas"));
    EXPECT_EQ(
        Pasos(),
        (std::vector<PasoReportado>{
            {1, 601, 0, "No se pudieron crear las carpetas para las aplicaciones. (76 - Path not found)"}}));
    EXPECT_THAT(Fallos(), ElementsAre("CreaLasCarpetasDeLasAplicaciones 76"));
}

}  // namespace
}  // namespace mirvalo
