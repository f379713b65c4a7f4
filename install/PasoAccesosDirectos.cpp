#include "install/PasoAccesosDirectos.h"

#include <exception>
#include <optional>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/NombreDeInstalacion.h"
#include "install/ReportesDeInstalacion.h"
#include "platform/AccesoDirecto.h"
#include "platform/CarpetasEspeciales.h"
#include "platform/EX_FoldersOS.h"

namespace mirvalo {
namespace {

constexpr int32_t CarpetasDeLosAccesos[] = {csidl::Desktop, csidl::Programs, csidl::StartMenu,
                                            csidl::CommonStartMenu, csidl::CommonPrograms};

// The shortcuts' name. Without an installation name (a platform other than local or cloud), or
// with one that would put the file in another folder, they are named after the product.
std::string NombreDelAcceso(const std::string& nombreDeInstalacion) {
    return instalacion::EsUnSoloNombre(nombreDeInstalacion) ? nombreDeInstalacion : "Mirvalo";
}

void Completa(AccesoDirecto& acceso, const std::string& lanzador, const std::string& icono) {
    try {
        acceso.TargetPath(lanzador);
        acceso.IconLocation(icono);
        acceso.WorkingDirectory(instalacion::CarpetaDe(lanzador));
        acceso.Save();
    } catch (const std::exception&) {
        // One shortcut that cannot be written does not keep the others from being made.
    }
}

}  // namespace

void PasoAccesosDirectos::CreaElAccesoDirecto() {
    bool primeroCreado = false;
    try {
        const std::string lanzador = core_.Descarga.ObtenerLaRutaDeInstalacionDelArchivo("CAMVLogIn.exe");
        const std::string icono = core_.Descarga.ObtenerLaRutaDeInstalacionDelArchivo("mvicon.ico");
        if (lanzador.empty() || icono.empty()) {
            core_.Descarga.GuardarDetalle(607, true, "");
            return;
        }

        const EX_FoldersOS carpetasDelShell;
        std::vector<std::string> carpetas;
        for (int32_t carpeta : CarpetasDeLosAccesos)
            carpetas.push_back(carpetasDelShell.GetSpecialfolder(carpeta));
        const std::string nombre = NombreDelAcceso(instalacion::NombreDeInstalacion(
            core_.Configuraciones.PlataformaNombre(), core_.Descarga.Plataforma()));

        for (const std::string& carpeta : carpetas) {
            // A folder the shell does not know gives "\name.lnk", the root of the current drive.
            const std::string archivo = carpeta + "\\" + nombre + ".lnk";
            std::optional<AccesoDirecto> acceso;
            if (!primeroCreado) {
                acceso = AccesoDirecto::CreateShortcut(archivo);
                primeroCreado = true;
            } else {
                try {
                    acceso = AccesoDirecto::CreateShortcut(archivo);
                } catch (const std::exception&) {
                    continue;
                }
            }
            Completa(*acceso, lanzador, icono);
        }
        core_.Descarga.GuardarDetalle(607, true, "");
    } catch (const std::exception& fallo) {
        if (primeroCreado) return;
        instalacion::RegistraElPasoFallido(core_, 607,
                                           "No fue posible crear los accesos directos para Mirvalo.",
                                           "CreaElAccesoDirecto", fallo);
    }
}

}  // namespace mirvalo
