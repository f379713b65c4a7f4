#include "screens/frm_Finalizar.h"

#include <exception>
#include <string>

#include "core/DM_Core.h"
#include "core/RegistroDeFallos.h"
#include "core/Ventanas.h"
#include "platform/Error.h"
#include "platform/Shell.h"

namespace mirvalo {
namespace {

constexpr const char* Modulo = "frm_Finalizar";
constexpr const char* Lanzador = "CAMVLogIn.exe";
constexpr const char* AvisoDeCopia =
    "Puedes copiar los archivos descargados a otros equipos y ejecutar el instalador en cada uno.";
// How much lower the message of a single-line layout sits.
constexpr double BajadaDelMensaje = 375;

// Reports the button's step as failed, "<message> (<number> - <description>)", and the failure.
void RegistraElFalloDelPaso(int32_t paso, const char* mensaje, const char* procedimiento,
                            const std::exception& fallo) {
    const Error error = fallos::ComoError(fallo);
    try {
        Core().Descarga.GuardarDetalle(paso, false, fallos::ConElError(mensaje, error));
    } catch (const std::exception&) {
    }
    fallos::RegistraElFallo(Modulo, procedimiento, error);
}

}  // namespace

frm_Finalizar::frm_Finalizar()
    : Pantalla("frm_Finalizar", 11910, 4815),
      lblTitulo(Me().AgregaEtiqueta("lblTitulo", 0, 585, 12000, 495)),
      lblMensaje(Me().AgregaEtiqueta("lblMensaje", 0, 1680, 12000, 615)),
      picBotonAbrirCarpetaInstalador(
          Me().AgregaCajaDeImagen("picBotonAbrirCarpetaInstalador", 2385, 2640, 3255, 615)),
      picBotonIniciarMirvalo(Me().AgregaCajaDeImagen("picBotonIniciarMirvalo", 6360, 2640, 3255, 615)) {
    AgregaLaFranjaOficial(Me());

    lblTitulo.Alignment(Alineacion::Centro);
    lblTitulo.BackStyle(EstiloDeFondo::Transparente);
    lblTitulo.FontSize(18);
    lblTitulo.Caption("Finalizado");

    lblMensaje.Alignment(Alineacion::Centro);
    lblMensaje.BackStyle(EstiloDeFondo::Transparente);
    lblMensaje.FontSize(11.25);
    lblMensaje.Caption(std::string(AvisoDeCopia) + " Mirvalo se instaló para el equipo actual.");

    picBotonAbrirCarpetaInstalador.Visible(false);
    picBotonIniciarMirvalo.Visible(false);

    Me().on_movimiento = [this] { Form_MouseMove(); };
}

void frm_Finalizar::Form_Load() {
    try {
        ConfiguraLaVentana(Me());
        CreaLosBotones();
        MuestraLosBotones();
        Core().Descarga.GuardarDetalle(700, true, "");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "Form_Load", fallo);
    }
}

// A button that cannot be made leaves the screen without it; the rest of the load goes on.
void frm_Finalizar::CreaLosBotones() {
    try {
        constexpr Color Verde = RGB(108, 171, 22);
        PreparaElBoton(btnAbrirCarpetaInstalador, Me(), picBotonAbrirCarpetaInstalador,
                       "Abrir carpeta de la descarga", Verde, [this] { btnAbrirCarpetaInstalador_Click(); });
        botones_.push_back(&btnAbrirCarpetaInstalador);
        PreparaElBoton(btnIniciarMirvalo, Me(), picBotonIniciarMirvalo, "Iniciar Mirvalo", Verde,
                       [this] { btnIniciarMirvalo_Click(); });
        botones_.push_back(&btnIniciarMirvalo);
    } catch (const std::exception&) {
    }
}

void frm_Finalizar::MuestraLosBotones() {
    try {
        switch (Core().Descarga.Asistente()) {
            case 3:
                lblTitulo.Caption("Descarga e instalación finalizadas");
                lblMensaje.Caption(std::string(AvisoDeCopia) +
                                   "\r\nMirvalo se ha instalado exitosamente en este equipo.");
                picBotonAbrirCarpetaInstalador.Visible(true);
                picBotonIniciarMirvalo.Visible(true);
                break;
            case 1:
                lblTitulo.Caption("Instalación finalizada");
                lblMensaje.Caption("Se ha instalado Mirvalo en este equipo.");
                lblMensaje.Top(lblMensaje.Top() + BajadaDelMensaje);
                MuestraCentrado(picBotonIniciarMirvalo);
                break;
            case 2:
                lblTitulo.Caption("Descarga finalizada");
                lblMensaje.Caption(AvisoDeCopia);
                lblMensaje.Top(lblMensaje.Top() + BajadaDelMensaje);
                MuestraCentrado(picBotonAbrirCarpetaInstalador);
                break;
            default: break;
        }
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "MuestraLosBotones", fallo);
    }
}

void frm_Finalizar::MuestraCentrado(CajaDeImagen& contenedor) {
    contenedor.Visible(true);
    contenedor.Left((Me().Width() - contenedor.Width()) / 2);
}

void frm_Finalizar::Form_MouseMove() {
    for (Ctrl_Button* boton : botones_) boton->Apagar();
}

void frm_Finalizar::btnIniciarMirvalo_Click() {
    try {
        El_Descarga& descarga = Core().Descarga;
        const std::string lanzador = descarga.ObtenerLaRutaDeInstalacionDelArchivo(Lanzador);
        if (!lanzador.empty()) {
            // The launcher is the product's: nothing waits for it, and its result is its own.
            sistema::AbreConElShell(lanzador);
            descarga.GuardarDetalle(701, true, "");
        }
        TerminaElProceso();
    } catch (const std::exception& fallo) {
        RegistraElFalloDelPaso(701, "No se pudo iniciar Mirvalo.", "btnIniciarMirvalo_Click", fallo);
    }
}

void frm_Finalizar::btnAbrirCarpetaInstalador_Click() {
    try {
        El_Descarga& descarga = Core().Descarga;
        sistema::AbreConElShell(descarga.CarpetaInstalador());
        descarga.GuardarDetalle(702, true, "");
        TerminaElProceso();
    } catch (const std::exception& fallo) {
        RegistraElFalloDelPaso(702, "No se pudo abrir la carpeta del instalador de Mirvalo.",
                               "btnAbrirCarpetaInstalador_Click", fallo);
    }
}

}  // namespace mirvalo
