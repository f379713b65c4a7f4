#include "screens/frm_Finalizar.h"

#include <exception>
#include <new>
#include <string>

#include "core/DM_Core.h"
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

Error ComoError(const std::exception& fallo) {
    if (const auto* error = dynamic_cast<const Error*>(&fallo)) return *error;
    if (dynamic_cast<const std::bad_alloc*>(&fallo)) return Error::Estandar(errores::SinMemoria);
    return Error(errores::LlamadaNoValida, fallo.what());
}

void RegistraElFallo(const char* procedimiento, const Error& error) {
    try {
        Core().Fallos.RegistrarFallo(Modulo, procedimiento, error.Numero(), error.Descripcion());
    } catch (const std::exception&) {
        // Without a core there is nowhere to report to.
    }
}

// Reports the button's step as failed, "<message> (<number> - <description>)", and the failure.
void RegistraElFalloDelPaso(int32_t paso, const char* mensaje, const char* procedimiento,
                            const std::exception& fallo) {
    const Error error = ComoError(fallo);
    try {
        Core().Descarga.GuardarDetalle(
            paso, false,
            std::string(mensaje) + " (" + std::to_string(error.Numero()) + " - " + error.Descripcion() + ")");
    } catch (const std::exception&) {
    }
    RegistraElFallo(procedimiento, error);
}

void AgregaLaFranjaOficial(Ventana& ventana) {
    auto& franja = ventana.AgregaCajaDeImagen("picFranjaOficial", 0, 0, ventana.Width(), 225);
    franja.BorderStyle(EstiloDeBorde::Ninguno);
    for (const char* bloque :
         {"picFranjaOficialColor1", "picFranjaOficialColor2", "picFranjaOficialColor3"}) {
        auto& caja = ventana.AgregaCajaDeImagen(bloque, 0, 0, 0, 225);
        caja.BorderStyle(EstiloDeBorde::Ninguno);
        caja.Container(franja);
    }
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
        RegistraElFallo("Form_Load", ComoError(fallo));
    }
}

// A button that cannot be made leaves the screen without it; the rest of the load goes on.
void frm_Finalizar::CreaLosBotones() {
    try {
        struct Boton {
            Ctrl_Button& boton;
            CajaDeImagen& contenedor;
            const char* texto;
            void (frm_Finalizar::*click)();
        };
        for (const Boton& b :
             {Boton{btnAbrirCarpetaInstalador, picBotonAbrirCarpetaInstalador, "Abrir carpeta de la descarga",
                    &frm_Finalizar::btnAbrirCarpetaInstalador_Click},
              Boton{btnIniciarMirvalo, picBotonIniciarMirvalo, "Iniciar Mirvalo",
                    &frm_Finalizar::btnIniciarMirvalo_Click}}) {
            b.boton.Container(Me(), b.contenedor);
            b.boton.Text(b.texto);
            b.boton.ColorDeFondo(RGB(242, 242, 242));
            b.boton.ColorDeEnfasis(RGB(108, 171, 22));
            b.boton.on_click = [this, click = b.click] { (this->*click)(); };
            botones_.push_back(&b.boton);
        }
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
        RegistraElFallo("MuestraLosBotones", ComoError(fallo));
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
