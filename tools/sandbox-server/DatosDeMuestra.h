#pragma once

#include <cstdint>
#include <filesystem>
#include <string>
#include <vector>

namespace mirvalo::sandbox {

// One file of a plan: the product file it is served from and where the client puts its copies.
struct ArchivoDeMuestra {
    std::string archivo;           // relative to the product folder, '/'-separated
    std::string rutaInstalador;    // backslash-separated; by default `archivo` with backslashes
    std::string rutaInstalacion;   // backslash-separated; empty = installer copy only
    std::vector<int> plataformas;  // platform types that receive it; empty = every platform
    std::int32_t peso = 0;         // the file's real size
};

// One application at one school level, as the catalogue lists it, with the files it brings.
struct AplicacionDeMuestra {
    int idAplicacion = 0;
    std::string nombreAplicacion;
    std::string suiteAplicacion;
    std::string idNivel;
    std::string nombreNivel;
    std::vector<ArchivoDeMuestra> archivos;
};

struct AplicacionDelCatalogo {
    size_t aplicacion = 0;  // index into DatosDeMuestra::Aplicaciones()
    bool comprada = false;
};

struct EscuelaDeMuestra {
    std::string idMirvalo;
    int idVersion = 0;  // the school's platform type
    std::string version;
    std::vector<AplicacionDelCatalogo> catalogo;  // in answer order
};

struct AplicacionPedida {
    int idAplicacion = 0;
    std::string idNivel;
};

// The sample data of the server, read from <folder>/muestra.json and <folder>/producto (see data/README.md).
class DatosDeMuestra {
public:
    // Throws std::runtime_error naming the fault: an unreadable or malformed description, a catalogue entry
    // of an application that is not described, a file that is missing or outside the product folder.
    static DatosDeMuestra Carga(const std::filesystem::path& carpeta);

    const EscuelaDeMuestra* Escuela(const std::string& idMirvalo) const;  // nothing for an unknown ID
    const std::vector<AplicacionDeMuestra>& Aplicaciones() const { return aplicaciones_; }
    const std::filesystem::path& CarpetaDelProducto() const { return carpetaDelProducto_; }

    // The file plan: the common files, then the files of each requested application in request order;
    // only those meant for `plataforma`; a file listed twice comes once; unknown applications bring
    // nothing. Install-only runs (`tipoAsistente` 1) get only the files that have an installation path.
    std::vector<ArchivoDeMuestra> Plan(int plataforma, int tipoAsistente,
                                       const std::vector<AplicacionPedida>& pedidas) const;

private:
    std::filesystem::path carpetaDelProducto_;
    std::vector<EscuelaDeMuestra> escuelas_;
    std::vector<ArchivoDeMuestra> comunes_;
    std::vector<AplicacionDeMuestra> aplicaciones_;
};

}  // namespace mirvalo::sandbox
