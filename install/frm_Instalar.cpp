#include "install/frm_Instalar.h"

#include <utility>

#include "core/DM_Core.h"
#include "core/Pantallas.h"
#include "core/RegistroDeFallos.h"
#include "core/Ventanas.h"
#include "install/InstalacionDelProducto.h"
#include "install/ReportesDeInstalacion.h"

namespace mirvalo {

frm_Instalar::frm_Instalar() : frm_Instalar(nullptr) {}

frm_Instalar::frm_Instalar(std::unique_ptr<PasosDeInstalacion> pasos)
    : Pantalla("frm_Instalar", 11910, 4815),
      lblTitulo(Me().AgregaEtiqueta("lblTitulo", 0, 585, 12000, 480)),
      lblProgresoGeneral(Me().AgregaEtiqueta("lblProgresoGeneral", 360, 1560)),
      picProgresoGeneral(Me().AgregaCajaDeImagen("picProgresoGeneral", 360, 1920, 11175, 255)),
      tmrInicio(Me().AgregaTemporizador("tmrInicio", 100)),
      pasos_(std::move(pasos)) {
    AgregaLaFranjaOficial(Me());

    lblTitulo.Alignment(Alineacion::Centro);
    lblTitulo.BackStyle(EstiloDeFondo::Transparente);
    lblTitulo.FontSize(18);
    lblTitulo.Caption("Instalando...");

    lblProgresoGeneral.AutoSize(true);
    lblProgresoGeneral.BackStyle(EstiloDeFondo::Transparente);
    lblProgresoGeneral.Caption("Instalando...");

    picProgresoGeneral.FontName("Segoe UI");
    picProgresoGeneral.FontSize(8.25);

    tmrInicio.on_tick = [this] { tmrInicio_Timer(); };
}

void frm_Instalar::Form_Load() {
    try {
        ConfiguraLaVentana(Me());
        EstilaLaBarraDeProgreso(picProgresoGeneral);
        Core().Descarga.GuardarDetalle(600, true, "");
        tmrInicio.Enabled(true);
    } catch (const std::exception& fallo) {
        RegistraElFallo("Form_Load", fallo);
    }
}

void frm_Instalar::tmrInicio_Timer() {
    try {
        // First, so that the events the steps let through can never start the run again.
        tmrInicio.Enabled(false);
        if (!pasos_) pasos_ = std::make_unique<InstalacionDelProducto>(Core());

        MuestraElPaso("Creando estructura de carpetas", 14);
        pasos_->CreaLasCarpetasDeLasAplicaciones();
        MuestraElPaso("Estableciendo permisos de Administrador a la carpeta Mirvalo", 28);
        pasos_->DarPermisoDeAdministrador();
        MuestraElPaso("Instalando librerías y fuentes", 42);
        pasos_->InstalarLibreriasYFuentes();
        MuestraElPaso("Instalando la impresora Mirvalo", 56);
        if (!InstalarLaImpresoraMirvalo()) return;
        MuestraElPaso("Eliminando elementos de Virtual Store", 70);
        pasos_->EliminaVirtualStore();
        MuestraElPaso("Configurando compatibilidad con evaluaciones de Outlook", 84);
        pasos_->EstablecerPermisosAlRegistroDeWindows();
        MuestraElPaso("Creando accesos directos a Mirvalo", 98);
        pasos_->CreaElAccesoDirecto();

        // The bar never reaches 100 % here.
        MuestraElPaso("Finalizando", 99);
        pantallas::EntregaA(Me(), "frm_Finalizar");
    } catch (const std::exception& fallo) {
        RegistraElFallo("tmrInicio_Timer", fallo);
    }
}

void frm_Instalar::MuestraElPaso(std::string texto, int32_t porcentaje) {
    lblProgresoGeneral.Caption(std::move(texto));
    MuestraElProgreso(picProgresoGeneral, porcentaje);
}

bool frm_Instalar::InstalarLaImpresoraMirvalo() {
    if (pasos_->InstalarLaImpresoraMirvalo()) return true;
    try {
        pantallas::EntregaA(Me(), "frm_Error");
    } catch (const std::exception& fallo) {
        RegistraElFallo("InstalarLaImpresoraMirvalo", fallo);
    }
    return false;
}

void frm_Instalar::RegistraElFallo(std::string_view procedimiento, const std::exception& fallo) {
    fallos::RegistraElFallo(instalacion::Modulo, procedimiento, fallo);
}

}  // namespace mirvalo
