#include "screens/frm_SolicitarIdMirvalo.h"

#include <exception>
#include <string>

#include "core/DM_Core.h"
#include "core/Pantallas.h"
#include "core/RegistroDeFallos.h"
#include "core/Ventanas.h"
#include "platform/Texto.h"

namespace mirvalo {
namespace {

constexpr const char* Modulo = "frm_SolicitarIdMirvalo";
constexpr std::size_t LongitudDelId = 10;
constexpr int Enter = 13;
constexpr int32_t PlataformaLocal = 1;
constexpr int32_t SoloDescarga = 2;

// Sets the flag for the life of a scope, whatever way the scope ends.
class Bandera {
public:
    explicit Bandera(bool& bandera) : bandera_(bandera) { bandera_ = true; }
    ~Bandera() { bandera_ = false; }
    Bandera(const Bandera&) = delete;
    Bandera& operator=(const Bandera&) = delete;

private:
    bool& bandera_;
};

}  // namespace

frm_SolicitarIdMirvalo::frm_SolicitarIdMirvalo()
    : Pantalla("frm_SolicitarIdMirvalo", 11910, 4815),
      lblTitulo(Me().AgregaEtiqueta("lblTitulo", 5018, 585, 1965, 480)),
      lblMensaje(Me().AgregaEtiqueta("lblMensaje", 1102, 1200, 9795, 255)),
      Label1(Me().AgregaEtiqueta("Label1", 1102, 1800, 9795, 255)),
      txtIdMirvalo(Me().AgregaCajaDeTexto("txtIdMirvalo", 5033, 2400, 1935, 420)),
      picBotonSiguiente(Me().AgregaCajaDeImagen("picBotonSiguiente", 5033, 3120, 1935, 495)),
      lblError(Me().AgregaEtiqueta("lblError", 0, 4200, 12000, 255)) {
    AgregaLaFranjaOficial(Me());

    lblTitulo.Alignment(Alineacion::Centro);
    lblTitulo.AutoSize(true);
    lblTitulo.BackStyle(EstiloDeFondo::Transparente);
    lblTitulo.FontSize(18);
    lblTitulo.Caption("Bienvenid@");

    lblMensaje.AutoSize(true);
    lblMensaje.BackStyle(EstiloDeFondo::Transparente);
    lblMensaje.Caption(
        "Este asistente te guiará para personalizar la descarga e instalación de Mirvalo y del material "
        "didáctico.");

    Label1.Alignment(Alineacion::Centro);
    Label1.BackStyle(EstiloDeFondo::Transparente);
    Label1.Caption("Escribe tu ID Mirvalo de 10 caracteres");

    txtIdMirvalo.Alignment(Alineacion::Centro);
    txtIdMirvalo.MaxLength(static_cast<int>(LongitudDelId));
    txtIdMirvalo.FontSize(11.25);
    txtIdMirvalo.on_cambio = [this] { txtIdMirvalo_Change(); };
    txtIdMirvalo.on_tecla = [this](int& codigo) { txtIdMirvalo_KeyPress(codigo); };

    lblError.Alignment(Alineacion::Centro);
    lblError.BackStyle(EstiloDeFondo::Transparente);
    lblError.Visible(false);

    Me().on_movimiento = [this] { Form_MouseMove(); };
}

void frm_SolicitarIdMirvalo::Form_Load() {
    try {
        ConfiguraLaVentana(Me());
        ConfigurarFormulario();
        Core().Descarga.GuardarDetalle(200, true, "");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "Form_Load", fallo);
    }
}

void frm_SolicitarIdMirvalo::ConfigurarFormulario() {
    try {
        PreparaElBoton(btnSiguiente, Me(), picBotonSiguiente, "Siguiente", RGB(108, 171, 22),
                       [this] { btnSiguiente_Click(); });
        botones_.push_back(&btnSiguiente);
        lblError.ForeColor(RGB(200, 50, 0));
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "ConfigurarFormulario", fallo);
    }
}

void frm_SolicitarIdMirvalo::Form_MouseMove() {
    for (Ctrl_Button* boton : botones_) boton->Apagar();
}

void frm_SolicitarIdMirvalo::txtIdMirvalo_Change() {
    lblError.Visible(false);
}

// Enter acts as the button; the key itself is left to the box.
void frm_SolicitarIdMirvalo::txtIdMirvalo_KeyPress(int& KeyAscii) {
    if (KeyAscii == Enter) btnSiguiente_Click();
}

void frm_SolicitarIdMirvalo::btnSiguiente_Click() {
    if (validando_) return;
    const Bandera validando(validando_);
    try {
        DM_Core& core = Core();
        El_Descarga& descarga = core.Descarga;
        El_Institucion& institucion = core.Institucion;
        const std::string escrito = txtIdMirvalo.Text();
        const std::string recortado = texto::Recorta(escrito);

        if (recortado.empty()) {
            descarga.GuardarDetalle(201, false, "No escribió un ID Mirvalo.");
            MuestraElError("Escribe tu ID Mirvalo.");
            return;
        }
        descarga.GuardarDetalle(201, true, "");

        const std::string sinBlancos = texto::SinBlancos(escrito);
        if (texto::Longitud(sinBlancos) != LongitudDelId) {
            descarga.GuardarDetalle(202, false,
                                    "No escribió un ID Mirvalo de 10 caracteres. (" + sinBlancos + ")");
            MuestraElError("El ID que escribiste no es de 10 caracteres.");
            return;
        }
        descarga.GuardarDetalle(202, true, "");

        const std::string id = texto::Mayusculas(recortado);
        institucion.EstableceIDMirvalo(id);
        // Only this school's answer may fill the catalogue: a validation that failed halfway
        // through an answer leaves the applications it had read.
        institucion.ObtenerAplicaciones().clear();
        if (!institucion.ValidarInstitucion()) {
            descarga.GuardarDetalle(203, false, "El ID Mirvalo no es válido (" + id + ")");
            MuestraElError("El ID que escribiste no existe.");
            return;
        }
        descarga.GuardarDetalle(203, true, "");
        descarga.GuardarDetalle(204, true, institucion.IDMirvalo());

        descarga.EstablecePlataforma(institucion.Plataforma());
        if (institucion.Plataforma() == PlataformaLocal) {
            // A local-platform school only downloads: there is no mode to choose.
            descarga.EstableceAsistente(SoloDescarga);
            pantallas::EntregaA(Me(), "frm_SeleccionarAplicaciones");
            return;
        }
        pantallas::EntregaA(Me(), "frm_ElegirDescargarInstalar");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "btnSiguiente_Click", fallo);
    }
}

void frm_SolicitarIdMirvalo::MuestraElError(std::string_view mensaje) {
    lblError.Caption(std::string(mensaje));
    lblError.Visible(true);
}

}  // namespace mirvalo
