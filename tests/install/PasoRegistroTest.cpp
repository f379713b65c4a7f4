#include "install/PasoRegistro.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "InstalacionDePrueba.h"
#include "platform/Registro.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::Herramienta;
using prueba::PasoReportado;
using ::testing::IsEmpty;

const std::string NoSeConfiguro =
    "No se pudo terminar de configurar el registro para que las evaluaciones de Outlook trabajen "
    "correctamente";

class RegistroDeWindows : public prueba::InstalacionDePrueba {
protected:
    void SetUp() override {
        InstalacionDePrueba::SetUp();
        fs::create_directories(Nativa(instalacion_ + "\\Utilerías"));
    }
    void Establece() {
        const SecurityFolder herramienta = LaHerramienta();
        PasoRegistro(Core(), herramienta).EstablecerPermisosAlRegistroDeWindows();
    }
};

TEST_F(RegistroDeWindows, TheToolOpensThePoliciesKeyOrTheStepSaysWhyNot) {
    struct Caso {
        const char* nombre;
        std::optional<Herramienta> herramienta;
        PasoReportado paso;
        std::size_t llamadas;
    };
    for (const Caso& caso : {
             Caso{"tool missing", std::nullopt, {1, 606, 1, ""}, 0},
             Caso{"tool silent", Herramienta::Muda, {1, 606, 0, NoSeConfiguro}, 0},
             Caso{"tool answers", Herramienta::Real, {1, 606, 1, ""}, 1},
         }) {
        SCOPED_TRACE(caso.nombre);
        Core().Descarga.Archivos().clear();
        if (caso.herramienta) PonLaHerramienta(*caso.herramienta);

        Establece();

        EXPECT_EQ(Pasos().back(), caso.paso);
        EXPECT_EQ(LineasDelDiario("SecurityFolder: RegistroPolicies \"Software\\Policies\"").size(),
                  caso.llamadas);
        EXPECT_FALSE(fs::exists(Nativa(instalacion_ + "\\Utilerías\\LogMV.txt")));
    }
    EXPECT_TRUE(registro::ExisteLaClave(registro::Rama::MaquinaLocal, "Software\\Policies"));
    EXPECT_EQ(Pasos().size(), 3u);
    EXPECT_THAT(Fallos(), IsEmpty());
}

}  // namespace
}  // namespace mirvalo
