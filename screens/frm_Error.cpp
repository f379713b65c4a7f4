#include "screens/frm_Error.h"

#include <cstdint>
#include <exception>
#include <iterator>
#include <optional>
#include <string_view>

#include "core/DM_Core.h"
#include "core/RegistroDeFallos.h"
#include "core/TiposDeError.h"
#include "core/Ventanas.h"
#include "platform/Shell.h"
#include "platform/Texto.h"
#include "webapi/DireccionesWeb.h"

namespace mirvalo {
namespace {

// What the screen shows for one error kind. Tops are twips; a kind without a link shows none.
struct Apariencia {
    const char* mensaje;
    double arribaDelMensaje;
    const char* rutaDelLink;  // on the public site; nullptr: no link
    double arribaDelLink;
    const char* boton;
};

constexpr const char* Contactanos = "Contáctanos";

// Indexed by the error kind.
constexpr Apariencia Apariencias[] = {
    {"Se detectó un error en la conexión que impide la comunicación con el Servidor Mirvalo. Revisa tu "
     "conexión a internet e inténtalo nuevamente. (S2)",
     2205, nullptr, 0, Contactanos},
    {"Se detectó un error en la conexión que impide la comunicación con el Servidor Mirvalo. Revisa tu "
     "conexión a internet e inténtalo nuevamente. (S1)",
     2205, nullptr, 0, Contactanos},
    {"El componente .NET Framework 2.0 está deshabilitado. Haz clic en el siguiente link para consultar el "
     "proceso que permite habilitarlo.",
     1740, "/documentos/default.aspx?aw=CAMVFAQC0014", 3030, Contactanos},
    // The trailing blank is part of the message.
    {"El antivirus ha interferido con la descarga de archivos. Revisa la configuración de tu antivirus e "
     "inténtalo nuevamente. ",
     2205, nullptr, 0, Contactanos},
    {"La impresora virtual Mirvalo no se pudo configurar. Haz clic en el siguiente link para consultar el "
     "proceso que permite configurarla manualmente.",
     1740, "/documentos/default.aspx?aw=CAMVFAQC0009", 3030, Contactanos},
    {"Esta aplicación necesita ejecutarse como Administrador. Se cerrará el Asistente para que puedas "
     "ejecutarlo nuevamente.",
     2205, nullptr, 0, "Cerrar"},
    {"En estos momentos el Asistente Mirvalo se encuentra en mantenimiento. Inténtalo más tarde.", 2205,
     nullptr, 0, Contactanos},
    {"Estás utilizando una versión desactualizada de este Asistente. Descarga la versión más reciente desde "
     "el siguiente link.",
     1860, "/descarga/", 2910, Contactanos},
    {"Algunos archivos no pudieron descargarse. Ejecuta nuevamente este Asistente y reintenta la descarga. "
     "Si "
     "el error persiste, comunícate con nosotros.",
     2205, nullptr, 0, Contactanos},
};
static_assert(std::size(Apariencias) == ErrorDescarga + 1);

std::optional<Apariencia> AparienciaDe(int32_t tipo) {
    if (tipo < ErrorConexionS2 || tipo > ErrorDescarga) return std::nullopt;
    return Apariencias[tipo];
}

// The public site's address for a path: https, the site's host, the path unchanged.
std::string DireccionDelSitio(std::string_view ruta) {
    std::string sitio = direcciones::SitioPublico();
    if (sitio.find("://") == std::string::npos) sitio = "https://" + sitio;
    return sitio + std::string(ruta);
}

}  // namespace

frm_Error::frm_Error()
    : Pantalla("frm_Error", 11910, 4815),
      lblTitulo(Me().AgregaEtiqueta("lblTitulo", 360, 585, 3705, 480)),
      lblMensaje(Me().AgregaEtiqueta("lblMensaje", 360, 1860, 11280, 495)),
      lblLink(Me().AgregaEtiqueta("lblLink", 360, 2910)),
      picBotonSiguiente(Me().AgregaCajaDeImagen("picBotonSiguiente", 360, 3960, 1935, 495)),
      tmrNumeroDeSeguimiento(Me().AgregaTemporizador("tmrNumeroDeSeguimiento", 100)) {
    AgregaLaFranjaOficial(Me());

    lblTitulo.AutoSize(true);
    lblTitulo.BackStyle(EstiloDeFondo::Transparente);
    lblTitulo.FontSize(18);
    lblTitulo.Caption("No podemos continuar");

    lblMensaje.BackStyle(EstiloDeFondo::Transparente);

    lblLink.AutoSize(true);
    lblLink.BackStyle(EstiloDeFondo::Transparente);
    lblLink.ForeColor(RGB(0, 0, 192));
    lblLink.FontSize(9.75);
    lblLink.FontUnderline(true);
    lblLink.on_click = [this] { lblLink_Click(); };
    lblLink.on_movimiento = [this] { lblLink.MuestraElCursorDeMano(); };

    tmrNumeroDeSeguimiento.on_tick = [this] { tmrNumeroDeSeguimiento_Timer(); };
    Me().on_movimiento = [this] { Form_MouseMove(); };
}

void frm_Error::Form_Load() {
    ConfiguraLaVentana(Me());
    CreaElBoton();
    MuestraLosTextos();
    tmrNumeroDeSeguimiento.Enabled(true);
}

// A button that cannot be made leaves the screen without it; the rest of the load goes on.
void frm_Error::CreaElBoton() {
    try {
        PreparaElBoton(btnSiguiente, Me(), picBotonSiguiente, Contactanos, RGB(0, 79, 142),
                       [this] { btnSiguiente_Click(); });
        botones_.push_back(&btnSiguiente);
    } catch (const std::exception&) {
    }
}

void frm_Error::MuestraLosTextos() {
    try {
        lblTitulo.Caption("No podemos continuar con el proceso...");
        const std::optional<Apariencia> apariencia = AparienciaDe(Core().Configuraciones.Error());
        if (!apariencia) return;
        lblMensaje.Caption(apariencia->mensaje);
        lblMensaje.Top(apariencia->arribaDelMensaje);
        link_ = apariencia->rutaDelLink ? DireccionDelSitio(apariencia->rutaDelLink) : std::string();
        lblLink.Caption(link_);
        if (apariencia->rutaDelLink) lblLink.Top(apariencia->arribaDelLink);
        if (std::string_view(apariencia->boton) != Contactanos) btnSiguiente.Text(apariencia->boton);
    } catch (const std::exception&) {
    }
}

void frm_Error::tmrNumeroDeSeguimiento_Timer() {
    tmrNumeroDeSeguimiento.Enabled(false);
    try {
        numeroDeSeguimiento_ = Core().Descarga.ObtenerNumeroDeSeguimiento();
    } catch (const std::exception&) {
        // Without a core there is no run to follow: the contact page opens without a number.
    }
}

void frm_Error::btnSiguiente_Click() {
    try {
        // The caption decides, not the kind.
        if (texto::Mayusculas(texto::Recorta(btnSiguiente.Text())) == "CERRAR") TerminaElProceso();
        sistema::AbreConElShell(DireccionDelSitio("/contacto/?nds=") + numeroDeSeguimiento_);
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo("frm_Error", "btnSiguiente_Click", fallo);
    }
}

void frm_Error::lblLink_Click() {
    if (!link_.empty()) sistema::AbreConElShell(link_);
}

void frm_Error::Form_MouseMove() {
    for (Ctrl_Button* boton : botones_) boton->Apagar();
}

}  // namespace mirvalo
