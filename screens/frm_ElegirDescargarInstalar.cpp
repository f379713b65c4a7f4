#include "screens/frm_ElegirDescargarInstalar.h"

#include <exception>
#include <string>

#include "core/DM_Core.h"
#include "core/NetFrameworkDisponible.h"
#include "core/Pantallas.h"
#include "core/RegistroDeFallos.h"
#include "core/TiposDeError.h"
#include "core/Ventanas.h"

namespace mirvalo {
namespace {

constexpr const char* Modulo = "frm_ElegirDescargarInstalar";
constexpr int32_t PasoNetFramework = 304;
constexpr const char* SinNetFramework = "El equipo no cuenta con .Net Framework 2.0";

constexpr int32_t SoloInstalacion = 1;
constexpr int32_t SoloDescarga = 2;
constexpr int32_t DescargaEInstalacion = 3;

bool InstalaEnEsteEquipo(int32_t modo) {
    return modo == SoloInstalacion || modo == DescargaEInstalacion;
}

}  // namespace

frm_ElegirDescargarInstalar::frm_ElegirDescargarInstalar()
    : Pantalla("frm_ElegirDescargarInstalar", 11910, 4755),
      lblTitulo(Me().AgregaEtiqueta("lblTitulo", 1935, 585, 8130, 480)),
      picBotonDescargar(Me().AgregaCajaDeImagen("picBotonDescargar", 360, 1290, 2175, 615)),
      Label1(Me().AgregaEtiqueta("Label1", 3000, 1320, 8535, 540)),
      picBotonDescargarEInstalar(Me().AgregaCajaDeImagen("picBotonDescargarEInstalar", 360, 2445, 2175, 615)),
      Label3(Me().AgregaEtiqueta("Label3", 3000, 2355, 8535, 780)),
      picBotonInstalar(Me().AgregaCajaDeImagen("picBotonInstalar", 360, 3600, 2175, 615)),
      Label2(Me().AgregaEtiqueta("Label2", 3000, 3750, 8535, 300)) {
    AgregaLaFranjaOficial(Me());

    lblTitulo.Alignment(Alineacion::Centro);
    lblTitulo.AutoSize(true);
    lblTitulo.BackStyle(EstiloDeFondo::Transparente);
    lblTitulo.FontSize(18);
    lblTitulo.Caption("¿Qué deseas hacer con los archivos de instalación?");

    const std::string seDescargan =
        "Los archivos de instalación se descargan en este equipo, permitiendo copiarlos a otros equipos para "
        "ejecutar el instalador en cada uno.";
    Label1.BackStyle(EstiloDeFondo::Transparente);
    Label1.Caption(seDescargan);
    Label3.BackStyle(EstiloDeFondo::Transparente);
    Label3.Caption(seDescargan +
                   " Al finalizar la descarga, Mirvalo se instala automáticamente en este equipo.");
    Label2.BackStyle(EstiloDeFondo::Transparente);
    Label2.Caption("Mirvalo y el material didáctico se instalan en este equipo.");

    Me().on_movimiento = [this] { Form_MouseMove(); };
}

void frm_ElegirDescargarInstalar::Form_Load() {
    try {
        ConfiguraLaVentana(Me());
        ConfigurarFormulario();
        Core().Descarga.GuardarDetalle(300, true, "");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "Form_Load", fallo);
    }
}

void frm_ElegirDescargarInstalar::ConfigurarFormulario() {
    try {
        constexpr Color Verde = RGB(108, 171, 22);
        PreparaElBoton(btnDescargar, Me(), picBotonDescargar, "Descargar solamente", Verde,
                       [this] { btnDescargar_Click(); });
        botones_.push_back(&btnDescargar);
        PreparaElBoton(btnInstalar, Me(), picBotonInstalar, "Instalar solamente", Verde,
                       [this] { btnInstalar_Click(); });
        botones_.push_back(&btnInstalar);
        PreparaElBoton(btnDescargarEInstalar, Me(), picBotonDescargarEInstalar, "Descargar e instalar", Verde,
                       [this] { btnDescargarEInstalar_Click(); });
        botones_.push_back(&btnDescargarEInstalar);
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "ConfigurarFormulario", fallo);
    }
}

void frm_ElegirDescargarInstalar::Form_MouseMove() {
    for (Ctrl_Button* boton : botones_) boton->Apagar();
}

void frm_ElegirDescargarInstalar::btnDescargar_Click() {
    EligeElModo(301, SoloDescarga, "btnDescargar_Click");
}

void frm_ElegirDescargarInstalar::btnInstalar_Click() {
    EligeElModo(302, SoloInstalacion, "btnInstalar_Click");
}

void frm_ElegirDescargarInstalar::btnDescargarEInstalar_Click() {
    EligeElModo(303, DescargaEInstalacion, "btnDescargarEInstalar");
}

void frm_ElegirDescargarInstalar::EligeElModo(int32_t paso, int32_t modo, const char* procedimiento) {
    try {
        El_Descarga& descarga = Core().Descarga;
        descarga.GuardarDetalle(paso, true, "");
        descarga.EstableceAsistente(modo);
        if (InstalaEnEsteEquipo(modo)) {
            if (!NetFrameworkDisponible()) {
                DetieneSinNetFramework();
                return;
            }
            descarga.GuardarDetalle(PasoNetFramework, true, "");
        }
        SeleccionarAplicaciones();
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, procedimiento, fallo);
    }
}

// Checks the framework once more before handing over: an activation that ran without bringing it
// (the feature store offline...) is found here, and the user is asked again.
void frm_ElegirDescargarInstalar::SeleccionarAplicaciones() {
    try {
        if (InstalaEnEsteEquipo(Core().Descarga.Asistente()) && !NetFrameworkDisponible()) {
            DetieneSinNetFramework();
            return;
        }
        pantallas::EntregaA(Me(), "frm_SeleccionarAplicaciones");
    } catch (const std::exception& fallo) {
        fallos::RegistraElFallo(Modulo, "SeleccionarAplicaciones", fallo);
    }
}

void frm_ElegirDescargarInstalar::DetieneSinNetFramework() {
    DM_Core& core = Core();
    core.Descarga.GuardarDetalle(PasoNetFramework, false, SinNetFramework);
    core.Configuraciones.EstableceError(ErrorNetFramework);
    pantallas::EntregaA(Me(), "frm_Error");
}

}  // namespace mirvalo
