#include "core/frm_Splash.h"

#include <gtest/gtest.h>

#include <optional>
#include <regex>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "platform/Construccion.h"
#include "platform/EX_NetFramework.h"
#include "platform/Registro.h"
#include "support/PantallasDePrueba.h"
#include "support/ServidorDePrueba.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

using prueba::PasoReportado;
using prueba::PasosReportados;

constexpr const char* SinAdministrador = "No se inició la aplicación con permisos de Administrador.";
constexpr const char* SinConexion = "La aplicación no se pudo conectar al servidor S2 con la Web API.";
constexpr const char* Inactiva = "La aplicación no se encuentra activa.";
constexpr const char* Desactualizada = "La aplicación se encuentra desactualizada.";
constexpr const char* SinNetFramework = "El equipo no cuenta con .Net Framework 2.0";

// The steps 100 to `hasta` done, under download id 1 (the development server's first).
std::vector<PasoReportado> Hechos(int hasta) {
    std::vector<PasoReportado> pasos{{1, 100, 1, ""}};
    for (int paso = 101; paso <= hasta; ++paso) pasos.push_back({1, paso, 1, ""});
    return pasos;
}
std::vector<PasoReportado> Y(std::vector<PasoReportado> pasos, PasoReportado ultimo) {
    pasos.push_back(std::move(ultimo));
    return pasos;
}

class Arranque : public prueba::PantallasDePrueba {
protected:
    void SetUp() override {
        PantallasDePrueba::SetUp();
        for (const char* pantalla : {"frm_Error", "frm_SolicitarIdMirvalo", "frm_Descargar"})
            RegistraComoMostrada(pantalla);
    }

    // Opens the start-up window (its load runs) and fires its timer, as 100 ms later.
    void Arranca(bool administrador = true) {
        auto& splash = Pantalla::Abre<frm_Splash>([administrador] { return administrador; });
        ASSERT_TRUE(simulacion::DisparaElTemporizador(splash.Me(), "tmrInicio"));
    }

    static void RegistraElNetFramework20() {
        registro::CreaLaClave(registro::Rama::MaquinaLocal,
                              "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727");
    }
};

// One road through the start-up checks.
struct Camino {
    const char* nombre;
    bool alcanzable = true;
    int estadoIniciarDM = 200;
    bool administrador = true;
    bool activa = true;
    int revision = 1;  // the application's own is 1
    int tipoAsistente = 0;
    std::vector<PasoReportado> pasos = {};
    std::optional<int32_t> error = std::nullopt;  // the kind stored when the road ends on the error screen
    const char* pantalla = nullptr;               // the screen shown; nullptr: the start-up window stays
};

void PrintTo(const Camino& camino, std::ostream* salida) {
    *salida << camino.nombre;
}

class CaminosDelArranque : public Arranque, public ::testing::WithParamInterface<Camino> {};

TEST_P(CaminosDelArranque, ReportEveryCheckAndEndWhereTheServerAndTheAccountSay) {
    const Camino& camino = GetParam();
    ASSERT_EQ(construccion::VersionRevision, 1) << "the table assumes the application's revision is 1";
    std::optional<sandbox::ServidorSandbox*> servidor;
    if (camino.alcanzable) {
        sandbox::Opciones opciones;
        opciones.estadoIniciarDM = camino.estadoIniciarDM;
        opciones.activa = camino.activa;
        opciones.revision = camino.revision;
        opciones.tipoAsistente = camino.tipoAsistente;
        servidor = &ArrancaElServidor(opciones);
    } else {
        ApuntaAUnPuertoCerrado();
    }
    RegistraElNetFramework20();

    Arranca(camino.administrador);

    if (servidor) {
        EXPECT_EQ(PasosReportados((*servidor)->Reportes()), camino.pasos);
        EXPECT_EQ(prueba::FallosReportados((*servidor)->Reportes()), std::vector<std::string>{});
    }
    const std::vector<std::string> mostradas =
        camino.pantalla ? std::vector<std::string>{camino.pantalla} : std::vector<std::string>{};
    EXPECT_EQ(Mostradas(), mostradas);
    if (camino.error) {
        EXPECT_EQ(Core().Configuraciones.Error(), *camino.error);
    }
    EXPECT_EQ(simulacion::VentanaAbierta("frm_Splash") != nullptr, camino.pantalla == nullptr);
}

INSTANTIATE_TEST_SUITE_P(Arranque, CaminosDelArranque,
                         ::testing::Values(
                             // Every report is lost on the way; only the error screen shows what happened.
                             Camino{.nombre = "ServerUnreachable",
                                    .alcanzable = false,
                                    .error = ErrorConexionS2,
                                    .pantalla = "frm_Error"},
                             Camino{.nombre = "Status500",
                                    .estadoIniciarDM = 500,
                                    .pasos = {{0, 100, 1, ""}, {0, 101, 1, ""}, {0, 102, 0, SinConexion}},
                                    .error = ErrorConexionS2,
                                    .pantalla = "frm_Error"},
                             Camino{.nombre = "NotAdministratorStopsBeforeAnyOtherCheck",
                                    .administrador = false,
                                    .pasos = {{1, 100, 1, ""}, {1, 101, 0, SinAdministrador}},
                                    .error = ErrorAdministrador,
                                    .pantalla = "frm_Error"},
                             Camino{.nombre = "Inactive",
                                    .activa = false,
                                    .pasos = Y(Hechos(102), {1, 103, 0, Inactiva}),
                                    .error = ErrorMantenimiento,
                                    .pantalla = "frm_Error"},
                             Camino{.nombre = "RevisionHigherThanTheApplications",
                                    .revision = 2,
                                    .pasos = Y(Hechos(103), {1, 104, 0, Desactualizada}),
                                    .error = ErrorVersion,
                                    .pantalla = "frm_Error"},
                             Camino{.nombre = "RevisionEqualPassesAndKind0AsksForTheId",
                                    .revision = 1,
                                    .tipoAsistente = 0,
                                    .pasos = Hechos(104),
                                    .pantalla = "frm_SolicitarIdMirvalo"},
                             Camino{.nombre = "NegativeRevisionComparesSignedAndKind2AsksForTheId",
                                    .revision = -3,
                                    .tipoAsistente = 2,
                                    .pasos = Hechos(104),
                                    .pantalla = "frm_SolicitarIdMirvalo"},
                             Camino{.nombre = "Kind1WithTheFrameworkGoesStraightToTheDownload",
                                    .tipoAsistente = 1,
                                    .pasos = Hechos(105),
                                    .pantalla = "frm_Descargar"},
                             Camino{.nombre = "Kind3StaysOnTheStartUpWindow",
                                    .tipoAsistente = 3,
                                    .pasos = Hechos(104),
                                    .pantalla = nullptr}),
                         [](const ::testing::TestParamInfo<Camino>& info) {
                             return std::string(info.param.nombre);
                         });

TEST_F(Arranque, LoadAnnouncesTheMinorVersionAndTheTimerRunsTheChecksOnce) {
    prueba::ServidorDePrueba servidor;
    setenv("MIRVALO_API_URL", servidor.Url().c_str(), 1);
    servidor.Encola(prueba::RespuestaProgramada::Con(200, "<html></html>"));  // the probe
    servidor.Encola(prueba::RespuestaProgramada::Con(
        200, R"({"Id": 77, "Nombre": "Asistente", "Activa": true, "Revision": 1, "TipoAsistente": 3,
                 "TipoPlataforma": 1, "NombrePlataforma": "Mirvalo", "VersionPlataforma": "2020.1"})"));

    auto& splash = Pantalla::Abre<frm_Splash>([] { return true; });

    const auto peticiones = servidor.Peticiones();
    ASSERT_EQ(peticiones.size(), 3u);
    EXPECT_EQ(peticiones[1].ruta, "/api/v1/DownloadManager/IniciarDM");
    EXPECT_EQ(peticiones[1].cuerpo,
              "{\r\n\"Id\": " + std::to_string(construccion::VersionMenor) + "\r\n}\r\n");
    EXPECT_NE(peticiones[2].cuerpo.find("\"Id_Paso\": 100"), std::string::npos) << peticiones[2].cuerpo;
    EXPECT_NE(peticiones[2].cuerpo.find("\"Id_Descarga\": 77"), std::string::npos) << peticiones[2].cuerpo;

    Ventana& ventana = splash.Me();
    EXPECT_EQ(ventana.Caption(), "Asistente 2020.1");
    const auto& logo = ventana.Obten<CajaDeImagen>("picLogoMV");
    EXPECT_DOUBLE_EQ(logo.Left(), (11910 - 7575) / 2.0);
    EXPECT_DOUBLE_EQ(logo.Top(), (4815 - 2175) / 2.0);
    const auto& temporizador = ventana.Obten<Temporizador>("tmrInicio");
    EXPECT_TRUE(temporizador.Enabled());
    EXPECT_EQ(temporizador.Interval(), 100);

    // Kind 3 leaves the window on screen, so the checks' reports are all there is to wait for.
    ASSERT_TRUE(simulacion::EsperaHasta([&] { return servidor.Peticiones().size() == 3u + 4u; }));
    EXPECT_FALSE(temporizador.Enabled());
    simulacion::DejaPasar(std::chrono::milliseconds(150));
    EXPECT_EQ(servidor.Peticiones().size(), 3u + 4u) << "the checks ran twice";
}

TEST_F(Arranque, MissingFrameworkAndTheAnswerNoEndOnTheErrorScreenWithoutActivation) {
    sandbox::Opciones opciones;
    opciones.tipoAsistente = 1;
    auto& servidor = ArrancaElServidor(opciones);
    std::vector<std::string> preguntas;
    simulacion::RespondeALasPreguntas([&](const std::string& titulo, const std::string& texto) {
        preguntas.push_back(titulo + "|" + texto);
        return false;
    });

    Arranca();

    EXPECT_EQ(preguntas,
              std::vector<std::string>{
                  "Asistente de Descarga Mirvalo 2020.1|¿Desea que se realice la instalación automática "
                  "del componente .NET Framework necesario para trabajar con Mirvalo?\r\n\r\nEl proceso "
                  "puede tardar unos minutos."});
    EXPECT_EQ(PasosReportados(servidor.Reportes()), Y(Hechos(104), {1, 105, 0, SinNetFramework}));
    EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_Error"});
    EXPECT_EQ(Core().Configuraciones.Error(), ErrorNetFramework);
    EXPECT_EQ(EX_NetFramework().Instalado(), 0) << "the framework was switched on although the user said no";
}

TEST_F(Arranque, MissingFrameworkAndTheAnswerYesActivateItAndHandTheRunToTheDownload) {
    sandbox::Opciones opciones;
    opciones.tipoAsistente = 1;
    opciones.tipoPlataforma = 1;
    auto& servidor = ArrancaElServidor(opciones);
    simulacion::RespondeALasPreguntas([](const std::string&, const std::string&) { return true; });

    Arranca();

    EXPECT_EQ(EX_NetFramework().Instalado(), -1);
    EXPECT_EQ(PasosReportados(servidor.Reportes()), Hechos(105));
    EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_Descargar"});
    EXPECT_EQ(Core().Descarga.Plataforma(), 1);
    EXPECT_EQ(Core().Descarga.Asistente(), 1);
}

// Not a road of the design: a build that lacks a screen must not leave the user without a window.
TEST_F(Arranque, AScreenMissingFromTheRegistryKeepsTheWindowAndIsReportedAsAFailure) {
    auto& servidor = ArrancaElServidor();
    pantallas::OlvidaTodas();

    Arranca();

    EXPECT_NE(simulacion::VentanaAbierta("frm_Splash"), nullptr);
    const auto fallos = prueba::FallosReportados(servidor.Reportes());
    ASSERT_EQ(fallos.size(), 1u);
    EXPECT_TRUE(std::regex_search(
        fallos[0], std::regex(R"("Modulo":"frm_Splash","Procedimiento":"IniciaLaApp","NoError":"?5"?,)")))
        << fallos[0];
}

}  // namespace
}  // namespace mirvalo
