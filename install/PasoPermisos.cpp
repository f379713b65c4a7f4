#include "install/PasoPermisos.h"

#include <exception>
#include <string>

#include "core/DM_Core.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/ReportesDeInstalacion.h"
#include "install/SecurityFolder.h"

namespace mirvalo {
namespace {

constexpr const char* NoSeEstablecieron =
    "No se pudieron establecer los permisos de Seguridad de Control total a la carpeta de instalación de "
    "Mirvalo.";

}  // namespace

void PasoPermisos::DarPermisoDeAdministrador() {
    try {
        const std::string& instalacion = core_.Descarga.CarpetaInstalacion();
        const std::string ruta = herramienta_.Ruta();
        const std::string log = instalacion + "\\LogMV.txt";
        if (!instalacion::ExisteElArchivo(ruta)) {
            core_.Descarga.GuardarDetalle(602, false,
                                          std::string(NoSeEstablecieron) + " No existe SecurityFolder.exe");
            return;
        }
        if (herramienta_.Llama(ruta, "Seguridad", instalacion, log)) {
            instalacion::EliminaElArchivo(log);
            core_.Descarga.GuardarDetalle(602, true, "");
        } else {
            core_.Descarga.GuardarDetalle(602, false, NoSeEstablecieron);
        }
    } catch (const std::exception& fallo) {
        instalacion::RegistraElPasoFallido(core_, 602, NoSeEstablecieron, "DarPermisoDeAdministrador", fallo);
    }
}

}  // namespace mirvalo
