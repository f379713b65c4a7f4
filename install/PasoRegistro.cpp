#include "install/PasoRegistro.h"

#include <exception>
#include <string>

#include "core/DM_Core.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/ReportesDeInstalacion.h"
#include "install/SecurityFolder.h"

namespace mirvalo {
namespace {

constexpr const char* NoSeConfiguro =
    "No se pudo terminar de configurar el registro para que las evaluaciones de Outlook trabajen "
    "correctamente";

}  // namespace

void PasoRegistro::EstablecerPermisosAlRegistroDeWindows() {
    try {
        const std::string herramienta = herramienta_.Ruta();
        const std::string log = core_.Descarga.CarpetaInstalacion() + "\\Utilerías\\LogMV.txt";
        if (instalacion::ExisteElArchivo(herramienta)) {
            if (!herramienta_.Llama(herramienta, "RegistroPolicies", "Software\\Policies", log)) {
                core_.Descarga.GuardarDetalle(606, false, NoSeConfiguro);
                return;
            }
            instalacion::EliminaElArchivo(log);
        }
        core_.Descarga.GuardarDetalle(606, true, "");
    } catch (const std::exception& fallo) {
        core_.Descarga.GuardarDetalle(606, false, NoSeConfiguro);
        instalacion::RegistraElFallo(core_, "EstablecerPermisosAlRegistroDeWindows", fallo);
    }
}

}  // namespace mirvalo
