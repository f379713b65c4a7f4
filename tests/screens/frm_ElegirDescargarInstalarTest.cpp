#include "screens/frm_ElegirDescargarInstalar.h"

#include <gtest/gtest.h>

#include <deque>
#include <optional>
#include <string>
#include <vector>

#include "PeticionesRecibidas.h"
#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "platform/EX_NetFramework.h"
#include "platform/Registro.h"
#include "support/PantallasDePrueba.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

using prueba::PasoReportado;

constexpr const char* SinNetFramework = "El equipo no cuenta con .Net Framework 2.0";

class PantallaDeModos : public prueba::PantallasDePrueba {
protected:
    // A run loaded from the development server (download id 1), on the mode screen. Every
    // question is answered from `respuestas`, in order, and noted.
    Ventana& Muestra() {
        sandbox_ = &ArrancaElServidor();
        CreaElCore().CargarConfiguraciones(1);
        simulacion::RespondeALasPreguntas([this](const std::string& titulo, const std::string& texto) {
            preguntas_.push_back(titulo + "|" + texto);
            if (respuestas_.empty()) {
                ADD_FAILURE() << "an unexpected question";
                return false;
            }
            const bool respuesta = respuestas_.front();
            respuestas_.pop_front();
            return respuesta;
        });
        return Pantalla::Abre<frm_ElegirDescargarInstalar>().Me();
    }

    static void RegistraElNetFramework20() {
        registro::CreaLaClave(registro::Rama::MaquinaLocal,
                              "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727");
    }

    std::vector<PasoReportado> Pasos() const { return prueba::PasosReportados(sandbox_->Reportes()); }
    std::vector<std::string> Fallos() const { return prueba::FallosDelSandbox(sandbox_->Reportes()); }

    sandbox::ServidorSandbox* sandbox_ = nullptr;
    std::deque<bool> respuestas_;
    std::vector<std::string> preguntas_;
};

TEST_F(PantallaDeModos, LoadReportsItsStepAndOffersTheThreeModes) {
    Ventana& ventana = Muestra();

    EXPECT_EQ(ventana.Caption(), "Asistente de Descarga Mirvalo 2020.1");
    EXPECT_EQ(ventana.Obten<Etiqueta>("picBotonDescargarLabel").Caption(), "Descargar solamente");
    EXPECT_EQ(ventana.Obten<Etiqueta>("picBotonDescargarEInstalarLabel").Caption(), "Descargar e instalar");
    EXPECT_EQ(ventana.Obten<Etiqueta>("picBotonInstalarLabel").Caption(), "Instalar solamente");
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 300, 1, ""}}));
}

// One choice of mode, on a computer with or without the framework.
struct Eleccion {
    const char* nombre;
    const char* boton;
    bool conNetFramework;
    std::deque<bool> respuestas = {};
    bool activacionSinEfecto = false;       // the switch runs but the framework stays missing
    std::vector<PasoReportado> pasos = {};  // after the load's step 300
    int32_t modo = 0;
    const char* pantalla = "frm_SeleccionarAplicaciones";
};

void PrintTo(const Eleccion& eleccion, std::ostream* salida) {
    *salida << eleccion.nombre;
}

class Elecciones : public PantallaDeModos, public ::testing::WithParamInterface<Eleccion> {
protected:
    void SetUp() override {
        PantallaDeModos::SetUp();
        RegistraComoMostrada("frm_SeleccionarAplicaciones");
        RegistraComoMostrada("frm_Error");
    }
};

TEST_P(Elecciones, StoreTheModeAndCheckTheFrameworkForTheModesThatInstall) {
    const Eleccion& caso = GetParam();
    if (caso.conNetFramework) RegistraElNetFramework20();
    if (caso.activacionSinEfecto) setenv("MIRVALO_DISM_EXIT_CODE", "0x800F081F", 1);
    respuestas_ = caso.respuestas;
    Ventana& ventana = Muestra();

    simulacion::Clic(ventana, caso.boton);

    std::vector<PasoReportado> pasos{{1, 300, 1, ""}};
    pasos.insert(pasos.end(), caso.pasos.begin(), caso.pasos.end());
    EXPECT_EQ(Pasos(), pasos);
    EXPECT_EQ(Fallos(), std::vector<std::string>{});
    EXPECT_EQ(Core().Descarga.Asistente(), caso.modo);
    EXPECT_EQ(Mostradas(), std::vector<std::string>{caso.pantalla});
    EXPECT_EQ(simulacion::VentanaAbierta("frm_ElegirDescargarInstalar"), nullptr);
    EXPECT_EQ(Core().Configuraciones.Error() == ErrorNetFramework, std::string(caso.pantalla) == "frm_Error");
    EXPECT_EQ(preguntas_.size(), caso.respuestas.size());
}

const PasoReportado ConNetFramework{1, 304, 1, ""};
const PasoReportado FaltaNetFramework{1, 304, 0, SinNetFramework};

INSTANTIATE_TEST_SUITE_P(
    PantallaDeModos, Elecciones,
    ::testing::Values(
        Eleccion{.nombre = "DownloadOnlyNeverAsksAboutTheFramework",
                 .boton = "picBotonDescargar",
                 .conNetFramework = false,
                 .pasos = {{1, 301, 1, ""}},
                 .modo = 2},
        Eleccion{.nombre = "InstallOnlyWithTheFramework",
                 .boton = "picBotonInstalar",
                 .conNetFramework = true,
                 .pasos = {{1, 302, 1, ""}, ConNetFramework},
                 .modo = 1},
        Eleccion{.nombre = "DownloadAndInstallWithTheFramework",
                 .boton = "picBotonDescargarEInstalar",
                 .conNetFramework = true,
                 .pasos = {{1, 303, 1, ""}, ConNetFramework},
                 .modo = 3},
        Eleccion{.nombre = "FrameworkMissingAndDeclined",
                 .boton = "picBotonInstalar",
                 .conNetFramework = false,
                 .respuestas = {false},
                 .pasos = {{1, 302, 1, ""}, FaltaNetFramework},
                 .modo = 1,
                 .pantalla = "frm_Error"},
        Eleccion{.nombre = "FrameworkMissingAndEnabled",
                 .boton = "picBotonDescargarEInstalar",
                 .conNetFramework = false,
                 .respuestas = {true},
                 .pasos = {{1, 303, 1, ""}, ConNetFramework},
                 .modo = 3},
        // The second check before handing over finds the framework still missing and asks again.
        Eleccion{.nombre = "AnEnablingThatBringsNothingIsAskedAgain",
                 .boton = "picBotonDescargarEInstalar",
                 .conNetFramework = false,
                 .respuestas = {true, false},
                 .activacionSinEfecto = true,
                 .pasos = {{1, 303, 1, ""}, ConNetFramework, FaltaNetFramework},
                 .modo = 3,
                 .pantalla = "frm_Error"}),
    [](const ::testing::TestParamInfo<Eleccion>& info) { return info.param.nombre; });

TEST_F(PantallaDeModos, TheQuestionCarriesTheCaptionAndEnablingBringsTheFramework) {
    RegistraComoMostrada("frm_SeleccionarAplicaciones");
    respuestas_ = {true};
    Ventana& ventana = Muestra();

    simulacion::Clic(ventana, "picBotonInstalar");

    EXPECT_EQ(preguntas_,
              std::vector<std::string>{
                  "Asistente de Descarga Mirvalo 2020.1|¿Desea que se realice la instalación automática "
                  "del componente .NET Framework necesario para trabajar con Mirvalo?\r\n\r\nEl proceso "
                  "puede tardar unos minutos."});
    EXPECT_EQ(EX_NetFramework().Instalado(), -1);
}

// A failure while handing over is reported under its own procedure only; the screen stays.
TEST_F(PantallaDeModos, AFailedHandOverIsReportedUnderSeleccionarAplicaciones) {
    Ventana& ventana = Muestra();

    simulacion::Clic(ventana, "picBotonDescargar");

    EXPECT_EQ(Fallos(), std::vector<std::string>{"frm_ElegirDescargarInstalar SeleccionarAplicaciones"});
    EXPECT_NE(simulacion::VentanaAbierta("frm_ElegirDescargarInstalar"), nullptr);
    EXPECT_EQ(Core().Descarga.Asistente(), 2);
}

}  // namespace
}  // namespace mirvalo
