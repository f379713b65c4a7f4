#include "screens/frm_Error.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "support/PantallasDePrueba.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

class PantallaDeError : public prueba::PantallasDePrueba {
protected:
    // A run that loaded its configuration from the development server (download id 1) and then
    // stored the error kind.
    Ventana& Muestra(int32_t tipo, sandbox::Opciones opciones = {}) {
        ArrancaElServidor(opciones);
        CreaElCore().CargarConfiguraciones(1);
        Core().Configuraciones.EstableceError(tipo);
        return Pantalla::Abre<frm_Error>().Me();
    }

    static std::string TextoDelBoton(const Ventana& ventana) {
        return ventana.Obten<Etiqueta>("picBotonSiguienteLabel").Caption();
    }
};

struct Tipo {
    int32_t tipo;
    std::string mensaje;
    double arribaDelMensaje;
    std::string link;  // empty: none
    double arribaDelLink;
    std::string boton;
};

void PrintTo(const Tipo& tipo, std::ostream* salida) {
    *salida << "kind " << tipo.tipo;
}

class TiposDeError : public PantallaDeError, public ::testing::WithParamInterface<Tipo> {};

TEST_P(TiposDeError, ShowTheKindsMessageLinkAndButton) {
    const Tipo& esperado = GetParam();
    // A bare host: the links take the https scheme.
    setenv("MIRVALO_SITE_URL", "www.mirvalo.example", 1);

    Ventana& ventana = Muestra(esperado.tipo);

    EXPECT_EQ(ventana.Obten<Etiqueta>("lblTitulo").Caption(), "No podemos continuar con el proceso...");
    const auto& mensaje = ventana.Obten<Etiqueta>("lblMensaje");
    EXPECT_EQ(mensaje.Caption(), esperado.mensaje);
    EXPECT_DOUBLE_EQ(mensaje.Top(), esperado.arribaDelMensaje);
    const auto& link = ventana.Obten<Etiqueta>("lblLink");
    EXPECT_EQ(link.Caption(), esperado.link);
    EXPECT_DOUBLE_EQ(link.Top(), esperado.arribaDelLink);
    EXPECT_EQ(TextoDelBoton(ventana), esperado.boton);

    simulacion::Clic(ventana, "lblLink");
    const std::vector<std::string> aperturas = esperado.link.empty()
                                                   ? std::vector<std::string>{}
                                                   : std::vector<std::string>{"shell open: " + esperado.link};
    EXPECT_EQ(AperturasDelShell(), aperturas);
}

const std::string Contactanos = "Contáctanos";
const std::string SinConexion =
    "Se detectó un error en la conexión que impide la comunicación con el Servidor Mirvalo. Revisa tu "
    "conexión a "
    "internet e inténtalo nuevamente. ";

INSTANTIATE_TEST_SUITE_P(
    PantallaDeError, TiposDeError,
    ::testing::Values(
        Tipo{0, SinConexion + "(S2)", 2205, "", 2910, Contactanos},
        Tipo{1, SinConexion + "(S1)", 2205, "", 2910, Contactanos},
        Tipo{2,
             "El componente .NET Framework 2.0 está deshabilitado. Haz clic en el siguiente link para "
             "consultar el "
             "proceso que permite habilitarlo.",
             1740, "https://www.mirvalo.example/documentos/default.aspx?aw=CAMVFAQC0014", 3030, Contactanos},
        Tipo{3,
             "El antivirus ha interferido con la descarga de archivos. Revisa la configuración de tu "
             "antivirus e "
             "inténtalo nuevamente. ",
             2205, "", 2910, Contactanos},
        Tipo{4,
             "La impresora virtual Mirvalo no se pudo configurar. Haz clic en el siguiente link para "
             "consultar el "
             "proceso que permite configurarla manualmente.",
             1740, "https://www.mirvalo.example/documentos/default.aspx?aw=CAMVFAQC0009", 3030, Contactanos},
        Tipo{
            5,
            "Esta aplicación necesita ejecutarse como Administrador. Se cerrará el Asistente para que puedas "
            "ejecutarlo nuevamente.",
            2205, "", 2910, "Cerrar"},
        Tipo{6, "En estos momentos el Asistente Mirvalo se encuentra en mantenimiento. Inténtalo más tarde.",
             2205, "", 2910, Contactanos},
        Tipo{7,
             "Estás utilizando una versión desactualizada de este Asistente. Descarga la versión más "
             "reciente desde el "
             "siguiente link.",
             1860, "https://www.mirvalo.example/descarga/", 2910, Contactanos},
        Tipo{8,
             "Algunos archivos no pudieron descargarse. Ejecuta nuevamente este Asistente y reintenta la "
             "descarga. Si el "
             "error persiste, comunícate con nosotros.",
             2205, "", 2910, Contactanos},
        // No screen stores another kind; the design's places and the default button stay.
        Tipo{9, "", 1860, "", 2910, Contactanos}),
    [](const ::testing::TestParamInfo<Tipo>& info) { return "Kind" + std::to_string(info.param.tipo); });

TEST_F(PantallaDeError, LoadTakesTheCaptionFromTheConfigurationAndDrawsTheStripe) {
    Ventana& ventana = Muestra(ErrorDescarga);

    EXPECT_EQ(ventana.Caption(), "Asistente de Descarga Mirvalo 2020.1");
    EXPECT_EQ(ventana.Obten<CajaDeImagen>("picFranjaOficialColor1").BackColor(), RGB(0, 102, 102));
    EXPECT_EQ(ventana.Obten<CajaDeImagen>("picFranjaOficialColor3").BackColor(), RGB(231, 230, 230));
    const auto& link = ventana.Obten<Etiqueta>("lblLink");
    EXPECT_TRUE(link.FontUnderline());
    EXPECT_EQ(link.ForeColor(), RGB(0, 0, 192));
}

TEST_F(PantallaDeError, CerrarEndsTheProcessWithoutOpeningAnything) {
    Ventana& ventana = Muestra(ErrorAdministrador);
    ASSERT_TRUE(simulacion::DisparaElTemporizador(ventana, "tmrNumeroDeSeguimiento"));

    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_EQ(AperturasDelShell(), std::vector<std::string>{});
}

// When the contact page is opened, and what the tracking number request yielded by then.
struct Contacto {
    const char* nombre;
    bool trasElTemporizador;
    int estadoNumeroDeSeguimiento;
    std::string numero;
};

void PrintTo(const Contacto& contacto, std::ostream* salida) {
    *salida << contacto.nombre;
}

class BotonDeContacto : public PantallaDeError, public ::testing::WithParamInterface<Contacto> {};

TEST_P(BotonDeContacto, OpensTheContactPageWithTheTrackingNumberAndStays) {
    const Contacto& caso = GetParam();
    sandbox::Opciones opciones;
    opciones.estadoNumeroDeSeguimiento = caso.estadoNumeroDeSeguimiento;
    Ventana& ventana = Muestra(ErrorConexionS1, opciones);
    // A site address with its own scheme and path (the development server's) is used as given.
    const std::string sitio = std::string(std::getenv("MIRVALO_API_URL")) + "/sitio";
    setenv("MIRVALO_SITE_URL", sitio.c_str(), 1);
    auto& temporizador = ventana.Obten<Temporizador>("tmrNumeroDeSeguimiento");
    EXPECT_EQ(temporizador.Interval(), 100);
    if (caso.trasElTemporizador) {
        ASSERT_TRUE(simulacion::EsperaHasta([&] { return !temporizador.Enabled(); }));
    }

    simulacion::Clic(ventana, "picBotonSiguiente");
    const std::string apertura = "shell open: " + sitio + "/contacto/?nds=" + caso.numero;
    std::vector<std::string> aperturas{apertura};
    // Once the number is there nothing changes it: a second click (on the caption) opens the same page.
    if (caso.trasElTemporizador) {
        simulacion::Clic(ventana, "picBotonSiguienteLabel");
        aperturas.push_back(apertura);
    }

    EXPECT_EQ(AperturasDelShell(), aperturas);
    EXPECT_FALSE(simulacion::SeTerminoElProceso());
    EXPECT_NE(simulacion::VentanaAbierta("frm_Error"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(PantallaDeError, BotonDeContacto,
                         ::testing::Values(Contacto{"BeforeTheTimer", false, 200, ""},
                                           Contacto{"AfterTheTimer", true, 200, "NDS000001"},
                                           Contacto{"ServerWithoutANumber", true, 500, "CONN"}),
                         [](const ::testing::TestParamInfo<Contacto>& info) {
                             return std::string(info.param.nombre);
                         });

TEST_F(PantallaDeError, TheLinkShowsTheHandAndOnlyTheBackgroundTurnsTheButtonOff) {
    Ventana& ventana = Muestra(ErrorVersion);
    const auto& boton = ventana.Obten<CajaDeImagen>("picBotonSiguiente");

    simulacion::MuevePuntero(ventana, "lblLink");
    EXPECT_TRUE(ventana.Obten<Etiqueta>("lblLink").ConCursorDeMano());

    simulacion::MuevePuntero(ventana, "picBotonSiguiente");
    EXPECT_EQ(boton.BackColor(), RGB(255, 255, 255));
    simulacion::MuevePuntero(ventana, "lblMensaje");
    EXPECT_EQ(boton.BackColor(), RGB(255, 255, 255)) << "a label is not the background";
    simulacion::MuevePunteroA(ventana, 8000, 4300);
    EXPECT_EQ(boton.BackColor(), RGB(242, 242, 242));
}

}  // namespace
}  // namespace mirvalo
