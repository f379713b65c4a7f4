#include "platform/FuentesDelSistema.h"

#include <array>
#include <filesystem>
#include <fstream>
#include <string>

#include "platform/SistemaRaiz.h"

namespace mirvalo::fuentes {
namespace {

namespace fs = std::filesystem;

// The fonts a font file holds, read from its first bytes: one for a TrueType or OpenType font
// (sfnt version 1.0, "true" or "OTTO"), the count of a collection ("ttcf"), none for anything else.
int FuentesEn(const fs::path& archivo) {
    std::error_code error;
    if (!fs::is_regular_file(archivo, error)) return 0;
    std::ifstream entrada(archivo, std::ios::binary);
    std::array<unsigned char, 12> cabecera{};
    if (!entrada.read(reinterpret_cast<char*>(cabecera.data()), cabecera.size())) return 0;
    const std::string etiqueta(cabecera.begin(), cabecera.begin() + 4);
    if (etiqueta == std::string("\0\1\0\0", 4) || etiqueta == "true" || etiqueta == "OTTO") return 1;
    if (etiqueta != "ttcf") return 0;
    const uint32_t cuantas = (uint32_t{cabecera[8]} << 24) | (uint32_t{cabecera[9]} << 16) |
                             (uint32_t{cabecera[10]} << 8) | uint32_t{cabecera[11]};
    return cuantas > 0 && cuantas < 0x10000 ? static_cast<int>(cuantas) : 0;
}

fs::path Absoluta(const fs::path& ruta) {
    std::error_code error;
    fs::path absoluta = fs::absolute(ruta, error);
    return error ? ruta : absoluta;
}

}  // namespace

bool CreaRecursoDeFuenteEscalable(uint32_t oculta, std::string_view recurso, std::string_view archivoDeFuente,
                                  std::string_view rutaDeLaFuente) {
    const fs::path destino = Absoluta(sistema::RutaNativa(recurso));
    fs::path fuente = sistema::RutaNativa(archivoDeFuente);
    if (!fuente.has_parent_path() && !rutaDeLaFuente.empty())
        fuente = sistema::RutaNativa(rutaDeLaFuente) / fuente;
    fuente = Absoluta(fuente);

    std::error_code error;
    if (fs::exists(destino, error) || FuentesEn(fuente) == 0) return false;
    // A small text in place of the real resource module: what it points to is what matters here.
    std::ofstream salida(destino, std::ios::binary);
    salida << "[Scalable font resource]\r\nFont file=" << fuente.string() << "\r\nHidden=" << oculta
           << "\r\n";
    salida.close();
    if (!salida) {
        fs::remove(destino, error);
        return false;
    }
    return true;
}

int AgregaRecursoDeFuente(std::string_view archivo) {
    const fs::path ruta = Absoluta(sistema::RutaNativa(archivo));
    const int cuantas = FuentesEn(ruta);
    if (cuantas > 0) sistema::AnotaEnElDiario("AddFontResource: " + ruta.string());
    return cuantas;
}

void AnunciaElCambioDeFuentes() {
    sistema::AnotaEnElDiario("WM_FONTCHANGE: sent to all top-level windows");
}

}  // namespace mirvalo::fuentes
