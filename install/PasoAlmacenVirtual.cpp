#include "install/PasoAlmacenVirtual.h"

#include <exception>
#include <string>

#include "core/DM_Core.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/NombreDeInstalacion.h"
#include "install/ReportesDeInstalacion.h"
#include "platform/AlmacenVirtual.h"
#include "platform/Error.h"
#include "platform/SistemaRaiz.h"

namespace mirvalo {

void PasoAlmacenVirtual::EliminaVirtualStore() {
    try {
        const std::string nombre = instalacion::NombreDeInstalacion(core_.Configuraciones.PlataformaNombre(),
                                                                    core_.Descarga.Plataforma());
        const std::string perfil = sistema::Entorno("USERPROFILE");
        // With an empty name the folders below would be the whole virtual store of the program
        // files; a name with separators would reach other folders.
        if (!nombre.empty() && !instalacion::EsUnSoloNombre(nombre))
            throw Error::Estandar(errores::ErrorDeAccesoARuta, "installation name " + nombre);
        if (!nombre.empty()) {
            for (const char* programas : {"Program Files (x86)", "Program Files"}) {
                const std::string carpeta =
                    perfil + "\\AppData\\Local\\VirtualStore\\" + programas + "\\" + nombre + "\\";
                if (!instalacion::ExisteLaCarpeta(carpeta)) continue;
                almacen_virtual::EliminaArchivos(carpeta + "*.*");
                almacen_virtual::EliminaCarpeta(carpeta);
            }
        }
        core_.Descarga.GuardarDetalle(605, true, "");
    } catch (const std::exception& fallo) {
        instalacion::RegistraElPasoFallido(core_, 605,
                                           "Error al tratar de eliminar los archivos de la Virtual Store.",
                                           "EliminaVirtualStore", fallo);
    }
}

}  // namespace mirvalo
