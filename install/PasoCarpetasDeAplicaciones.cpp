#include "install/PasoCarpetasDeAplicaciones.h"

#include <exception>
#include <filesystem>

#include "core/DM_Core.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/CatalogoDeAplicaciones.h"
#include "install/ReportesDeInstalacion.h"
#include "platform/Error.h"
#include "platform/SistemaRaiz.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;

constexpr const char* CarpetasFijas[] = {
    "\\",
    "\\Banderas",
    "\\Base de datos",
    "\\Fonts",
    "\\Imagenes",
    "\\Logros",
    "\\Recursos",
    "\\Utilerías",
    "\\Utilerías\\Archivos de ayuda",
    "\\Utilerías\\Componentes",
    "\\Utilerías\\DirectX",
    "\\Utilerías\\Dlls",
    "\\Utilerías\\Imagenes Logros",
    "\\Visor",
};

// The folder itself or anything below it, judged on the paths as written (".." climbs), not on
// what exists on disk.
bool QuedaDentroDe(const std::string& base, const std::string& ruta) {
    const fs::path carpeta = sistema::RutaNativa(base).lexically_normal();
    const fs::path destino = sistema::RutaNativa(ruta).lexically_normal();
    auto parte = destino.begin();
    for (const fs::path& componente : carpeta) {
        if (componente.empty()) continue;  // a trailing separator
        if (parte == destino.end() || *parte != componente) return false;
        ++parte;
    }
    return true;
}

}  // namespace

void PasoCarpetasDeAplicaciones::CreaLasCarpetasDeLasAplicaciones() {
    try {
        const std::string& instalacion = core_.Descarga.CarpetaInstalacion();
        // Without the installation folder every entry would land at the root of the drive.
        if (instalacion.empty())
            throw Error::Estandar(errores::RutaNoEncontrada, "CarpetaInstalacion (empty)");

        std::vector<std::string> carpetas(std::begin(CarpetasFijas), std::end(CarpetasFijas));
        for (const std::string& nomenclatura : ObtenerLasNomenclaturasDeLasAplicacionesDeLaBaseDeDatos()) {
            carpetas.push_back("\\" + nomenclatura);
            carpetas.push_back("\\Visor\\" + nomenclatura);
        }
        // Parents come before their children, so one level at a time suffices.
        for (const std::string& carpeta : carpetas) CreaLaCarpetaConSusAtributos(instalacion + carpeta);
        core_.Descarga.GuardarDetalle(601, true, "");
    } catch (const std::exception& fallo) {
        instalacion::RegistraElPasoFallido(core_, 601,
                                           "No se pudieron crear las carpetas para las aplicaciones.",
                                           "CreaLasCarpetasDeLasAplicaciones", fallo);
    }
}

std::vector<std::string>
PasoCarpetasDeAplicaciones::ObtenerLasNomenclaturasDeLasAplicacionesDeLaBaseDeDatos() {
    try {
        const std::string baseDeDatos = core_.Descarga.ObtenerLaRutaDeInstalacionDelArchivo("MVDataBase.mdb");
        if (baseDeDatos.empty()) return {};
        return catalogo::LeeLasNomenclaturas(baseDeDatos);
    } catch (const std::exception& fallo) {
        instalacion::RegistraElFallo(core_, "ObtenerLasNomenclaturasDeLasAplicacionesDeLaBaseDeDatos", fallo);
        return {};
    }
}

void PasoCarpetasDeAplicaciones::CreaLaCarpetaConSusAtributos(const std::string& ruta) {
    try {
        // The nomenclatures come from a file of the download: one such as ".." would otherwise
        // have the step touch folders of the system.
        if (!QuedaDentroDe(core_.Descarga.CarpetaInstalacion(), ruta))
            throw Error::Estandar(errores::ErrorDeAccesoARuta, "outside the installation folder: " + ruta);
        if (!instalacion::ExisteLaCarpeta(ruta)) instalacion::CreaLaCarpeta(ruta);
        instalacion::QuitaLosAtributos(ruta);
    } catch (const std::exception& fallo) {
        instalacion::RegistraElFallo(core_, "CreaLaCarpetaConSusAtributos", fallo);
    }
}

}  // namespace mirvalo
