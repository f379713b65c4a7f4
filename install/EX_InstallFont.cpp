#include "install/EX_InstallFont.h"

#include <exception>
#include <filesystem>
#include <optional>

#include "platform/CarpetasEspeciales.h"
#include "platform/FuentesDelSistema.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;

// Changes the process's current folder and gives the earlier one back when it goes out of scope,
// so a font that cannot be added does not leave the process in the fonts folder.
class CarpetaActualTemporal {
public:
    explicit CarpetaActualTemporal(const fs::path& carpeta) : anterior_(fs::current_path()) {
        fs::current_path(carpeta);
    }
    ~CarpetaActualTemporal() {
        std::error_code ignorado;
        fs::current_path(anterior_, ignorado);
    }
    CarpetaActualTemporal(const CarpetaActualTemporal&) = delete;
    CarpetaActualTemporal& operator=(const CarpetaActualTemporal&) = delete;

private:
    fs::path anterior_;
};

bool EsArchivo(const std::string& ruta) {
    std::error_code error;
    return fs::is_regular_file(sistema::RutaNativa(ruta), error);
}

}  // namespace

EX_InstallFont::EX_InstallFont() {
    try {
        if (std::optional<fs::path> fuentes = sistema::CarpetaEspecial(csidl::Fonts)) {
            directorioFuentesSistema_ = fuentes->string();
        }
    } catch (const std::exception&) {
        // An unknown fonts folder stays empty; Instalar then installs nothing.
    }
}

void EX_InstallFont::PathTTF(std::string_view carpeta) {
    pathTTF_ = texto::Recorta(carpeta);
    if (!pathTTF_.ends_with('\\')) pathTTF_ += '\\';
}

void EX_InstallFont::archivoTTF(std::string_view nombre) {
    archivoTTF_ = texto::Recorta(nombre);
}

void EX_InstallFont::Instalar() {
    try {
        if (archivoTTF_.empty() || pathTTF_.empty()) return;
        if (!EsArchivo(pathTTF_ + archivoTTF_)) return;
        // Without the fonts folder every path below would point at the root of the drive.
        if (directorioFuentesSistema_.empty()) return;

        const std::string instalada = directorioFuentesSistema_ + "\\" + archivoTTF_;
        if (!EsArchivo(instalada)) {
            fs::copy_file(sistema::RutaNativa(pathTTF_ + archivoTTF_), sistema::RutaNativa(instalada));
        }

        // "arial.ttf" gives "arial.FOT".
        const std::size_t longitud = texto::Longitud(archivoTTF_);
        if (longitud < 3) return;
        const std::string recurso = texto::Izquierda(archivoTTF_, longitud - 3) + "FOT";

        CarpetaActualTemporal enLasFuentes(sistema::RutaNativa(directorioFuentesSistema_));
        // As the system does on a second installation, an existing resource file makes this fail;
        // the font is added all the same.
        fuentes::CreaRecursoDeFuenteEscalable(0, recurso, archivoTTF_, directorioFuentesSistema_);
        if (fuentes::AgregaRecursoDeFuente(archivoTTF_) <= 0) return;
        fuentes::AnunciaElCambioDeFuentes();
    } catch (const std::exception&) {
        // Quietly, as the caller expects: nothing is reported.
    }
}

}  // namespace mirvalo
