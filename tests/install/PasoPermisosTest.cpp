#include "install/PasoPermisos.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "InstalacionDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::Herramienta;
using prueba::PasoReportado;
using ::testing::IsEmpty;

const std::string NoSeEstablecieron =
    "No se pudieron establecer los permisos de Seguridad de Control total a la carpeta de instalación de "
    "Mirvalo.";

class Permisos : public prueba::InstalacionDePrueba {
protected:
    void DarPermisoDeAdministrador() {
        const SecurityFolder herramienta = LaHerramienta();
        PasoPermisos(Core(), herramienta).DarPermisoDeAdministrador();
    }
    fs::path Log() const { return Nativa(instalacion_ + "\\LogMV.txt"); }
};

TEST_F(Permisos, TheToolOpensTheInstallationFolderAndItsLogIsDeleted) {
    PonLaHerramienta(Herramienta::Real);
    const fs::path carpeta = Nativa(instalacion_);
    fs::permissions(carpeta, fs::perms::owner_all | fs::perms::group_read | fs::perms::group_exec);

    DarPermisoDeAdministrador();

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 602, 1, ""}}));
    EXPECT_EQ(fs::status(carpeta).permissions() & fs::perms::all, fs::perms::all);
    EXPECT_FALSE(fs::exists(Log()));
    EXPECT_EQ(LineasDelDiario("SecurityFolder: Seguridad").size(), 1u);
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(Permisos, WithoutAnAnswerTheStepFailsAndWithAnOldLogItIsDoneAtOnce) {
    struct Caso {
        const char* nombre;
        std::optional<Herramienta> herramienta;
        bool logAnterior;
        PasoReportado paso;
    };
    for (const Caso& caso : {
             Caso{"tool missing",
                  std::nullopt,
                  true,
                  {1, 602, 0, NoSeEstablecieron + " No existe SecurityFolder.exe"}},
             Caso{"tool silent", Herramienta::Muda, false, {1, 602, 0, NoSeEstablecieron}},
             Caso{"log left by an earlier run", Herramienta::Muda, true, {1, 602, 1, ""}},
         }) {
        SCOPED_TRACE(caso.nombre);
        Core().Descarga.Archivos().clear();
        if (caso.herramienta) PonLaHerramienta(*caso.herramienta);
        if (caso.logAnterior) Escribe(Log(), "");

        DarPermisoDeAdministrador();

        EXPECT_EQ(Pasos().back(), caso.paso);
        // A missing tool is neither started nor waited for, so an old log stays where it was.
        EXPECT_EQ(fs::exists(Log()), caso.logAnterior && !caso.herramienta);
        fs::remove(Log());
    }
    EXPECT_EQ(Pasos().size(), 3u);
    EXPECT_THAT(Fallos(), IsEmpty());
}

}  // namespace
}  // namespace mirvalo
