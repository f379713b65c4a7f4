#include "download/DescargaArchivoTemporal.h"

#include <cerrno>
#include <cstdint>
#include <random>
#include <string>
#include <system_error>
#include <utility>

namespace mirvalo {
namespace {

// Small writes are gathered up to this size; larger ones, which a fast transfer hands over, go to
// the file without being copied.
constexpr std::size_t TamanoDelBufer = 64 * 1024;

std::string NombreTemporal(uint16_t numero) {
    char nombre[16];
    std::snprintf(nombre, sizeof nombre, "MVL%X.tmp", static_cast<unsigned>(numero));
    return nombre;
}

}  // namespace

DescargaArchivoTemporal::DescargaArchivoTemporal(std::filesystem::path ruta, std::unique_ptr<char[]> bufer,
                                                 std::unique_ptr<std::FILE, CierraArchivo> archivo)
    : ruta_(std::move(ruta)), bufer_(std::move(bufer)), archivo_(std::move(archivo)) {}

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
        auto bufer = std::make_unique<char[]>(TamanoDelBufer);
        std::setvbuf(archivo.get(), bufer.get(), _IOFBF, TamanoDelBufer);
        return std::unique_ptr<DescargaArchivoTemporal>(
            new DescargaArchivoTemporal(std::move(ruta), std::move(bufer), std::move(archivo)));
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
    // fclose reports the writes still in the buffer: a full disk often shows only here.
    const bool cerrado = std::fclose(archivo_.release()) == 0;
    if (!cerrado) return false;
    std::error_code error;
    std::filesystem::rename(ruta_, destino, error);
    enSuLugar_ = !error;
    return enSuLugar_;
}

}  // namespace mirvalo
