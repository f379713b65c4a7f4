#include "platform/AccesoDirecto.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <charconv>
#include <filesystem>

#include "platform/Error.h"
#include "platform/LnkFormato.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;

constexpr uint64_t SegundosDe1601A1970 = 11644473600ULL;

// The path as Windows names it inside the emulated system: a file of the system root is on drive
// C:, so the shortcut reads right on any Windows. Paths outside the root, and relative ones, stay
// as given.
std::string ComoRutaDeWindows(const std::string& ruta) {
    if (ruta.empty()) return ruta;
    const fs::path nativa = sistema::RutaNativa(ruta);
    if (!nativa.is_absolute()) return ruta;
    const fs::path relativa =
        nativa.lexically_normal().lexically_relative(sistema::Raiz().lexically_normal());
    if (relativa.empty() || *relativa.begin() == "..") return ruta;
    std::string windows = "C:\\";
    if (relativa != ".") windows += relativa.generic_string();
    for (char& c : windows)
        if (c == '/') c = '\\';
    return windows;
}

uint64_t TiempoDeArchivo(const timespec& tiempo) {
    if (tiempo.tv_sec < 0) return 0;
    return (static_cast<uint64_t>(tiempo.tv_sec) + SegundosDe1601A1970) * 10'000'000ULL +
           static_cast<uint64_t>(tiempo.tv_nsec) / 100;
}

// What the shell records of the target when it saves the shortcut; nothing when it is missing.
void AnotaElDestino(lnk::Contenido& contenido, const std::string& destino) {
    if (destino.empty()) return;
    struct stat datos {};
    if (::stat(sistema::RutaNativa(destino).c_str(), &datos) != 0) return;
    contenido.atributosDelDestino = S_ISDIR(datos.st_mode) ? lnk::AtributoCarpeta : lnk::AtributoArchivo;
    if ((datos.st_mode & S_IWUSR) == 0) contenido.atributosDelDestino |= lnk::AtributoSoloLectura;
    if (S_ISREG(datos.st_mode)) contenido.tamanoDelDestino = static_cast<uint32_t>(datos.st_size);
    contenido.creacion = TiempoDeArchivo(datos.st_mtim);  // POSIX keeps no creation time
    contenido.acceso = TiempoDeArchivo(datos.st_atim);
    contenido.escritura = TiempoDeArchivo(datos.st_mtim);
}

// "path,index" as the shell object splits it: the index after the last comma, when it is a number.
void AnotaElIcono(lnk::Contenido& contenido, const std::string& ubicacion) {
    contenido.icono = ComoRutaDeWindows(ubicacion);
    const auto coma = ubicacion.rfind(',');
    if (coma == std::string::npos) return;
    const std::string indice = texto::Recorta(std::string_view(ubicacion).substr(coma + 1));
    int32_t valor = 0;
    const auto [fin, error] = std::from_chars(indice.data(), indice.data() + indice.size(), valor);
    if (indice.empty() || error != std::errc() || fin != indice.data() + indice.size()) return;
    contenido.icono = ComoRutaDeWindows(ubicacion.substr(0, coma));
    contenido.indiceDelIcono = valor;
}

// Writes beside the target and renames over it, so a failed save never leaves half a shortcut.
void EscribeEntero(const fs::path& ruta, const std::string& bytes) {
    fs::path temporal = ruta;
    temporal += ".tmp";
    const int descriptor = ::open(temporal.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
    if (descriptor < 0) throw Error::DesdeErrno(errno, "open " + temporal.string());
    std::size_t escritos = 0;
    while (escritos < bytes.size()) {
        const ssize_t n = ::write(descriptor, bytes.data() + escritos, bytes.size() - escritos);
        if (n < 0 && errno == EINTR) continue;
        if (n < 0) {
            const int fallo = errno;
            ::close(descriptor);
            ::unlink(temporal.c_str());
            throw Error::DesdeErrno(fallo, "write " + temporal.string());
        }
        escritos += static_cast<std::size_t>(n);
    }
    if (::close(descriptor) != 0) {
        const int fallo = errno;
        ::unlink(temporal.c_str());
        throw Error::DesdeErrno(fallo, "close " + temporal.string());
    }
    if (::rename(temporal.c_str(), ruta.c_str()) != 0) {
        const int fallo = errno;
        ::unlink(temporal.c_str());
        throw Error::DesdeErrno(fallo, "rename " + ruta.string());
    }
}

}  // namespace

AccesoDirecto AccesoDirecto::CreateShortcut(std::string rutaDelArchivo) {
    const std::string_view ruta = rutaDelArchivo;
    if (ruta.size() < 4 || !texto::IgualesSinMayusculas(ruta.substr(ruta.size() - 4), ".lnk")) {
        throw Error(errores::LlamadaNoValida, "The shortcut pathname must end with .lnk.",
                    "CreateShortcut " + rutaDelArchivo);
    }
    return AccesoDirecto(std::move(rutaDelArchivo));
}

void AccesoDirecto::Save() const {
    lnk::Contenido contenido;
    contenido.destino = ComoRutaDeWindows(destino_);
    contenido.carpetaDeTrabajo = ComoRutaDeWindows(carpetaDeTrabajo_);
    AnotaElIcono(contenido, icono_);
    AnotaElDestino(contenido, destino_);
    EscribeEntero(sistema::RutaNativa(rutaDelArchivo_), lnk::Codifica(contenido));
}

}  // namespace mirvalo
