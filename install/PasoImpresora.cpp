#include "install/PasoImpresora.h"

#include <exception>

#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/EX_PrnAdmin.h"
#include "install/ReportesDeInstalacion.h"
#include "install/SecurityFolder.h"
#include "platform/SistemaRaiz.h"

namespace mirvalo {
namespace {

constexpr const char* NombreDeLaImpresora = "Mirvalo";
constexpr const char* Controlador = "MS Publisher Color Printer";
constexpr const char* NoSeInstalo = "No se pudo instalar la impresora Mirvalo.";

}  // namespace

bool PasoImpresora::InstalarLaImpresoraMirvalo() {
    bool continuar = true;
    try {
        const std::string carpeta = sistema::Entorno("windir") + "\\PrintingMV";
        const std::string log = carpeta + "\\LogMV.txt";
        if (!instalacion::ExisteLaCarpeta(carpeta)) instalacion::CreaLaCarpeta(carpeta);

        const std::string herramienta = herramienta_.Ruta();
        if (instalacion::ExisteElArchivo(herramienta)) {
            if (herramienta_.Llama(herramienta, "Impresora", carpeta, log))
                instalacion::EliminaElArchivo(log);
            else
                core_.Descarga.GuardarDetalle(
                    604, false, "No se pudieron asignar permisos a la carpeta de la impresora.");
        }

        const std::string predeterminada = ObtenLaImpresoraPredeterminada();
        const std::string puerto = sistema::Entorno("windir") + "\\PrintingMV\\PrinterOut.txt";
        const EX_PrnAdmin administracion;
        if (administracion.PrinterExists(NombreDeLaImpresora))
            administracion.DeletePrinter(NombreDeLaImpresora);

        if (administracion.AddPrinter(NombreDeLaImpresora, puerto, Controlador, "")) {
            // The printer that was the default before the step is made the default again.
            if (instalacion::ExisteElArchivo(herramienta) &&
                herramienta_.Llama(herramienta, "ImpresoraPredeterminar", predeterminada, log))
                instalacion::EliminaElArchivo(log);
            core_.Descarga.GuardarDetalle(604, true, "");
            return true;
        }

        continuar = false;
        core_.Descarga.GuardarDetalle(604, false, NoSeInstalo);
        core_.Configuraciones.EstableceError(ErrorImpresora);
        return false;
    } catch (const std::exception& fallo) {
        instalacion::RegistraElPasoFallido(core_, 604, NoSeInstalo, "InstalarLaImpresoraMirvalo", fallo);
        return continuar;
    }
}

std::string PasoImpresora::ObtenLaImpresoraPredeterminada() {
    std::string leida;
    try {
        const std::string herramienta = herramienta_.Ruta();
        const std::string log = core_.Descarga.CarpetaInstalacion() + "\\Utilerías\\LogMV.txt";
        if (instalacion::ExisteElArchivo(herramienta) &&
            herramienta_.Llama(herramienta, "ImpresoraPredeterminada", "", log)) {
            leida = instalacion::LeeElArchivo(log);
            instalacion::EliminaElArchivo(log);
        }
        return leida;
    } catch (const std::exception& fallo) {
        instalacion::RegistraElFallo(core_, "ObtenLaImpresoraPredeterminada", fallo);
        return leida;
    }
}

}  // namespace mirvalo
