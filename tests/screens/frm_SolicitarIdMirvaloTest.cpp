#include "screens/frm_SolicitarIdMirvalo.h"

#include <gtest/gtest.h>

#include <chrono>
#include <string>
#include <vector>

#include "PeticionesRecibidas.h"
#include "core/DM_Core.h"
#include "support/PantallasDePrueba.h"
#include "support/ServidorDePrueba.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

using prueba::PasoReportado;
using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;

constexpr const char* Pantalla_ = "frm_SolicitarIdMirvalo";

std::vector<PasoReportado> Y(std::vector<PasoReportado> primeros, const std::vector<PasoReportado>& despues) {
    primeros.insert(primeros.end(), despues.begin(), despues.end());
    return primeros;
}

std::vector<int> Ids(const El_Institucion& institucion) {
    std::vector<int> ids;
    for (const El_Aplicacion& aplicacion : institucion.ObtenerAplicaciones())
        ids.push_back(aplicacion.IdAplicacion);
    return ids;
}

class PantallaDeId : public prueba::PantallasDePrueba {
protected:
    void SetUp() override {
        PantallasDePrueba::SetUp();
        RegistraComoMostrada("frm_ElegirDescargarInstalar");
        RegistraComoMostrada("frm_SeleccionarAplicaciones");
    }

    // A run loaded from the development server (download id 1), on the ID screen.
    Ventana& Muestra() {
        sandbox_ = &ArrancaElServidor();
        CreaElCore().CargarConfiguraciones(1);
        return Pantalla::Abre<frm_SolicitarIdMirvalo>().Me();
    }

    std::vector<PasoReportado> Pasos() const { return prueba::PasosReportados(sandbox_->Reportes()); }
    std::vector<std::string> Fallos() const { return prueba::FallosDelSandbox(sandbox_->Reportes()); }

    static const Etiqueta& Mensaje(const Ventana& ventana) { return ventana.Obten<Etiqueta>("lblError"); }
    static bool EnPantalla() { return simulacion::VentanaAbierta(Pantalla_) != nullptr; }

    sandbox::ServidorSandbox* sandbox_ = nullptr;
};

TEST_F(PantallaDeId, LoadReportsItsStepAndLightsTheButtonOnlyUnderThePointer) {
    Ventana& ventana = Muestra();

    EXPECT_EQ(ventana.Caption(), "Asistente de Descarga Mirvalo 2020.1");
    EXPECT_EQ(ventana.Obten<Etiqueta>("picBotonSiguienteLabel").Caption(), "Siguiente");
    EXPECT_FALSE(Mensaje(ventana).Visible());
    EXPECT_EQ(Mensaje(ventana).ForeColor(), RGB(200, 50, 0));
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 200, 1, ""}}));

    const auto& boton = ventana.Obten<CajaDeImagen>("picBotonSiguiente");
    simulacion::MuevePuntero(ventana, "picBotonSiguiente");
    EXPECT_EQ(boton.BackColor(), RGB(255, 255, 255));
    simulacion::MuevePunteroA(ventana, 300, 2600);
    EXPECT_EQ(boton.BackColor(), RGB(242, 242, 242));
}

// What is typed, and what the screen does with it.
struct Escrito {
    const char* nombre;
    std::string teclas;
    std::string enLaCaja;              // what the box holds afterwards
    std::vector<PasoReportado> pasos;  // after the load's step 200
    std::string mensaje;               // empty: none shown, and the run goes on
};

void PrintTo(const Escrito& escrito, std::ostream* salida) {
    *salida << escrito.nombre;
}

constexpr const char* Vacio = "No escribió un ID Mirvalo.";
constexpr const char* EscribeTuId = "Escribe tu ID Mirvalo.";
constexpr const char* NoEsDe10 = "El ID que escribiste no es de 10 caracteres.";
constexpr const char* NoExiste = "El ID que escribiste no existe.";
const PasoReportado Escribio{1, 201, 1, ""};
const PasoReportado De10{1, 202, 1, ""};

class ReglasDelId : public PantallaDeId, public ::testing::WithParamInterface<Escrito> {};

TEST_P(ReglasDelId, ReportEachCheckAndShowItsMessage) {
    const Escrito& caso = GetParam();
    Ventana& ventana = Muestra();

    simulacion::Escribe(ventana, "txtIdMirvalo", caso.teclas);
    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(Pasos(), Y({{1, 200, 1, ""}}, caso.pasos));
    EXPECT_EQ(Fallos(), std::vector<std::string>{});
    if (caso.mensaje.empty()) {
        EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_ElegirDescargarInstalar"});
        EXPECT_FALSE(EnPantalla());
        return;
    }
    EXPECT_EQ(Mostradas(), std::vector<std::string>{});
    ASSERT_TRUE(EnPantalla());
    EXPECT_TRUE(Mensaje(ventana).Visible());
    EXPECT_EQ(Mensaje(ventana).Caption(), caso.mensaje);
    EXPECT_EQ(ventana.Obten<CajaDeTexto>("txtIdMirvalo").Text(), caso.enLaCaja);
}

INSTANTIATE_TEST_SUITE_P(
    PantallaDeId, ReglasDelId,
    ::testing::Values(
        Escrito{"NothingTyped", "", "", {{1, 201, 0, Vacio}}, EscribeTuId},
        Escrito{"BlanksOnly", "   ", "   ", {{1, 201, 0, Vacio}}, EscribeTuId},
        Escrito{"NineAndABlank",
                "ESCUELA01 ",
                "ESCUELA01 ",
                {Escribio, {1, 202, 0, "No escribió un ID Mirvalo de 10 caracteres. (ESCUELA01)"}},
                NoEsDe10},
        Escrito{"AnInnerBlankDoesNotCount",
                "ESC UELA01",
                "ESC UELA01",
                {Escribio, {1, 202, 0, "No escribió un ID Mirvalo de 10 caracteres. (ESCUELA01)"}},
                NoEsDe10},
        // The box takes ten characters: the eleventh key is lost.
        Escrito{"TheBoxTakesTenCharacters",
                " ESCUELA001",
                " ESCUELA00",
                {Escribio, {1, 202, 0, "No escribió un ID Mirvalo de 10 caracteres. (ESCUELA00)"}},
                NoEsDe10},
        Escrito{"UnknownToTheServer",
                "ESCUELA999",
                "ESCUELA999",
                {Escribio, De10, {1, 203, 0, "El ID Mirvalo no es válido (ESCUELA999)"}},
                NoExiste},
        // Ten characters, not ten bytes; sent in upper case, accents too.
        Escrito{"AccentedLettersAreCharactersAndUpperCased",
                "ñandú12345",
                "ñandú12345",
                {Escribio, De10, {1, 203, 0, "El ID Mirvalo no es válido (ÑANDÚ12345)"}},
                NoExiste},
        // The server knows only the upper-case ID.
        Escrito{"LowerCaseIsSentUpperCase",
                "escuela001",
                "",
                {Escribio, De10, {1, 203, 1, ""}, {1, 204, 1, "ESCUELA001"}},
                ""}),
    [](const ::testing::TestParamInfo<Escrito>& info) { return info.param.nombre; });

TEST_F(PantallaDeId, AValidatedSchoolHandsItsPlatformAndCatalogueOnToTheModes) {
    Ventana& ventana = Muestra();

    simulacion::Escribe(ventana, "txtIdMirvalo", "ESCUELA001");
    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_ElegirDescargarInstalar"});
    EXPECT_EQ(Core().Institucion.IDMirvalo(), "ESCUELA001");
    EXPECT_EQ(Core().Descarga.Plataforma(), 2);
    EXPECT_EQ(Core().Descarga.Asistente(), 0) << "the mode is the user's to choose";
    EXPECT_EQ(Core().Institucion.ObtenerAplicaciones().size(), 15u);
}

// A local-platform school can only download: it gets that mode and skips the mode screen,
// rather than staying on this screen with no way on.
TEST_F(PantallaDeId, ALocalPlatformSchoolDownloadsOnlyAndGoesOnToTheApplications) {
    Ventana& ventana = Muestra();

    simulacion::Escribe(ventana, "txtIdMirvalo", "ESCUELA002");
    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{
                           {1, 200, 1, ""}, Escribio, De10, {1, 203, 1, ""}, {1, 204, 1, "ESCUELA002"}}));
    EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_SeleccionarAplicaciones"});
    EXPECT_FALSE(EnPantalla());
    EXPECT_EQ(Core().Descarga.Plataforma(), 1);
    EXPECT_EQ(Core().Descarga.Asistente(), 2);
}

TEST_F(PantallaDeId, EnterActsAsTheButtonAndTypingHidesTheMessage) {
    Ventana& ventana = Muestra();
    const Etiqueta& mensaje = Mensaje(ventana);

    simulacion::Escribe(ventana, "txtIdMirvalo", "ESCUELA00\r");
    EXPECT_TRUE(mensaje.Visible());
    EXPECT_EQ(mensaje.Caption(), NoEsDe10);
    EXPECT_EQ(ventana.Obten<CajaDeTexto>("txtIdMirvalo").Text(), "ESCUELA00");

    simulacion::Escribe(ventana, "txtIdMirvalo", "9");
    EXPECT_FALSE(mensaje.Visible());

    simulacion::PulsaTecla(ventana, "txtIdMirvalo", 13);
    EXPECT_TRUE(mensaje.Visible());
    EXPECT_EQ(mensaje.Caption(), NoExiste);

    simulacion::PulsaTecla(ventana, "txtIdMirvalo", 8);
    simulacion::Escribe(ventana, "txtIdMirvalo", "1\r");

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{
                           {1, 200, 1, ""},
                           Escribio,
                           {1, 202, 0, "No escribió un ID Mirvalo de 10 caracteres. (ESCUELA00)"},
                           Escribio,
                           De10,
                           {1, 203, 0, "El ID Mirvalo no es válido (ESCUELA009)"},
                           Escribio,
                           De10,
                           {1, 203, 1, ""},
                           {1, 204, 1, "ESCUELA001"}}));
    EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_ElegirDescargarInstalar"});
}

// Clicks and Enter heard while the validation lets window events run.
TEST_F(PantallaDeId, ClicksWhileValidatingNeitherValidateAgainNorHandOverTwice) {
    Ventana& ventana = Muestra();
    simulacion::Escribe(ventana, "txtIdMirvalo", "ESCUELA001");
    // Long enough since any earlier event pump for the validation's first one to run events.
    simulacion::DejaPasar(std::chrono::milliseconds(20));
    bool anidados = false;
    simulacion::DespuesDe(std::chrono::milliseconds(0), [&anidados] {
        Ventana* abierta = simulacion::VentanaAbierta(Pantalla_);
        if (!abierta) return;
        simulacion::Clic(*abierta, "picBotonSiguiente");
        simulacion::PulsaTecla(*abierta, "txtIdMirvalo", 13);
        anidados = true;
    });

    simulacion::Clic(ventana, "picBotonSiguiente");

    ASSERT_TRUE(anidados) << "the nested click did not arrive during the validation";
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{
                           {1, 200, 1, ""}, Escribio, De10, {1, 203, 1, ""}, {1, 204, 1, "ESCUELA001"}}));
    EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_ElegirDescargarInstalar"});
    EXPECT_EQ(Core().Institucion.ObtenerAplicaciones().size(), 15u);
    EXPECT_EQ(Core().Institucion.ObtenerTodasLasAplicaciones().size(), 15u);
}

// Against scripted answers: failures the development server does not make.
class PantallaDeIdConRespuestasProgramadas : public PantallaDeId {
protected:
    Ventana& MuestraContra(ServidorDePrueba& servidor) {
        setenv("MIRVALO_API_URL", servidor.Url().c_str(), 1);
        CreaElCore();
        return Pantalla::Abre<frm_SolicitarIdMirvalo>().Me();
    }
};

TEST_F(PantallaDeIdConRespuestasProgramadas, ATransportFailureIsReportedAndShowsNoMessage) {
    ServidorDePrueba servidor;
    for (int reporte = 0; reporte < 3; ++reporte) servidor.Encola(RespuestaProgramada::Con(200));
    servidor.Encola(RespuestaProgramada::De(RespuestaProgramada::Forma::CierraSinResponder));
    Ventana& ventana = MuestraContra(servidor);

    simulacion::Escribe(ventana, "txtIdMirvalo", "ESCUELA001");
    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(prueba::Operaciones(servidor),
              (std::vector<std::string>{"Detalles", "Detalles", "Detalles", "ValidarIDMirvalo", "Fallos"}));
    EXPECT_EQ(prueba::PasosRecibidos(servidor),
              (std::vector<PasoReportado>{{0, 200, 1, ""}, {0, 201, 1, ""}, {0, 202, 1, ""}}));
    const std::vector<std::string> fallos = prueba::FallosRecibidos(servidor);
    ASSERT_EQ(fallos.size(), 1u);
    EXPECT_TRUE(fallos[0].starts_with("frm_SolicitarIdMirvalo btnSiguiente_Click ")) << fallos[0];
    ASSERT_TRUE(EnPantalla());
    EXPECT_FALSE(Mensaje(ventana).Visible());
    EXPECT_EQ(Mostradas(), std::vector<std::string>{});
}

std::string Aplicacion(int id, const char* nombre) {
    return std::string(R"({"IdAplicacion": )") + std::to_string(id) + R"(, "NombreAplicacion": ")" + nombre +
           R"(", "SuiteAplicacion": "Español", "IdNivel": "2", "NombreNivel": "Primaria", "Comprada": true})";
}

// An answer whose second application cannot be read leaves the first in the catalogue; the next
// school validated must not inherit it.
TEST_F(PantallaDeIdConRespuestasProgramadas, AValidationCutShortLeavesNothingForTheNextOne) {
    ServidorDePrueba servidor;
    servidor.Responde(RespuestaProgramada::Con(200, R"({"IdVersion": 2, "Aplicaciones": [)" +
                                                        Aplicacion(7, "Lectura") +
                                                        R"(, {"IdAplicacion": 40000}]})"));
    Ventana& ventana = MuestraContra(servidor);
    simulacion::Escribe(ventana, "txtIdMirvalo", "ESCUELA001");
    simulacion::Clic(ventana, "picBotonSiguiente");
    ASSERT_EQ(prueba::FallosRecibidos(servidor),
              std::vector<std::string>{"frm_SolicitarIdMirvalo btnSiguiente_Click 6"});
    ASSERT_TRUE(EnPantalla());

    servidor.Responde(RespuestaProgramada::Con(200, R"({"IdVersion": 2, "Aplicaciones": [)" +
                                                        Aplicacion(8, "Ortografía") + ", " +
                                                        Aplicacion(9, "Redacción") + "]}"));
    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(Mostradas(), std::vector<std::string>{"frm_ElegirDescargarInstalar"});
    EXPECT_EQ(Ids(Core().Institucion), (std::vector<int>{8, 9}));
}

}  // namespace
}  // namespace mirvalo
