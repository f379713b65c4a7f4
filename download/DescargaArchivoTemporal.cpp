#include "download/DescargaArchivoTemporal.h"

#include <cerrno>
#include <cstdint>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace mirvalo {
namespace {

std::string NombreTemporal(uint16_t numero) {
    char nombre[16];
    std::snprintf(nombre, sizeof nombre, "MVL%X.tmp", static_cast<unsigned>(numero));
    return nombre;
}

}  // namespace

DescargaArchivoTemporal::DescargaArchivoTemporal(std::filesystem::path ruta,
                                                 std::unique_ptr<std::FILE, CierraArchivo> archivo)
    : ruta_(std::move(ruta)), archivo_(std::move(archivo)) {}

std::unique_ptr<DescargaArchivoTemporal> DescargaArchivoTemporal::Crea(const std::filesystem::path& carpeta) {
    // Like the system's own temporary names: a number of four hexadecimal digits at most, tried from a
    // starting point in turn until one is free.
    // Seeded once: a random device is slow to open, and a transfer of small files makes many of these.
    thread_local std::minstd_rand generador(std::random_device{}());
    const auto inicio = static_cast<uint16_t>(generador());
    for (uint32_t intento = 0; intento <= UINT16_MAX; ++intento) {
        std::filesystem::path ruta = carpeta / NombreTemporal(static_cast<uint16_t>(inicio + intento));
        // "x": created here or not at all, so a name in use by another transfer is never shared.
        std::unique_ptr<std::FILE, CierraArchivo> archivo(std::fopen(ruta.c_str(), "wbx"));
        if (!archivo) {
            if (errno == EEXIST) continue;
            return nullptr;
        }
        // Each piece goes to the file as it came: pieces are large when the transfer is fast, and
        // copying them through a buffer would only cost time.
        std::setvbuf(archivo.get(), nullptr, _IONBF, 0);
        return std::unique_ptr<DescargaArchivoTemporal>(
            new DescargaArchivoTemporal(std::move(ruta), std::move(archivo)));
    }
    return nullptr;
}

DescargaArchivoTemporal::~DescargaArchivoTemporal() {
    archivo_.reset();
    if (enSuLugar_) return;
    std::error_code ignorado;
    std::filesystem::remove(ruta_, ignorado);
}

bool DescargaArchivoTemporal::Escribe(const char* datos, std::size_t cantidad) {
    return archivo_ && std::fwrite(datos, 1, cantidad, archivo_.get()) == cantidad;
}

bool DescargaArchivoTemporal::ReemplazaA(const std::filesystem::path& destino) {
    if (!archivo_) return false;
    // A file system may report a failed write only when the file is closed.
    const bool cerrado = std::fclose(archivo_.release()) == 0;
    if (!cerrado) return false;
    std::error_code error;
    std::filesystem::rename(ruta_, destino, error);
    enSuLugar_ = !error;
    return enSuLugar_;
}

}  // namespace mirvalo
