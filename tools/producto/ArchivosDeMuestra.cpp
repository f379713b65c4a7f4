// mirvalo-archivos-de-muestra CARPETA
// Writes the sample product's small binary files into CARPETA: the launcher's icon "mvicon.ico"
// (16 x 16, 32 bits, the product's three colours) and two libraries, "MVComunes.dll" and
// "MVControles.ocx", that carry the Windows program header the registration tool looks for.
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

namespace {

namespace fs = std::filesystem;

using Bytes = std::vector<std::uint8_t>;

void Agrega16(Bytes& bytes, std::uint16_t valor) {
    bytes.push_back(static_cast<std::uint8_t>(valor & 0xFF));
    bytes.push_back(static_cast<std::uint8_t>(valor >> 8));
}

void Agrega32(Bytes& bytes, std::uint32_t valor) {
    Agrega16(bytes, static_cast<std::uint16_t>(valor & 0xFFFF));
    Agrega16(bytes, static_cast<std::uint16_t>(valor >> 16));
}

// An icon file with one 16 x 16 image: the directory, its entry, and the image as a bitmap of
// double height (colour rows bottom-up, then the transparency mask, all opaque).
Bytes Icono() {
    constexpr int Lado = 16;
    constexpr std::uint32_t Colores = Lado * Lado * 4;
    constexpr std::uint32_t Mascara = Lado * 4;  // one bit a pixel, rows padded to 32 bits
    constexpr std::uint32_t Imagen = 40 + Colores + Mascara;
    Bytes bytes;
    Agrega16(bytes, 0);  // reserved
    Agrega16(bytes, 1);  // an icon
    Agrega16(bytes, 1);  // one image
    bytes.push_back(Lado);
    bytes.push_back(Lado);
    bytes.push_back(0);  // no palette
    bytes.push_back(0);
    Agrega16(bytes, 1);   // planes
    Agrega16(bytes, 32);  // bits per pixel
    Agrega32(bytes, Imagen);
    Agrega32(bytes, 6 + 16);  // where the image starts

    Agrega32(bytes, 40);
    Agrega32(bytes, Lado);
    Agrega32(bytes, Lado * 2);
    Agrega16(bytes, 1);
    Agrega16(bytes, 32);
    Agrega32(bytes, 0);  // uncompressed
    Agrega32(bytes, Colores + Mascara);
    for (int i = 0; i < 4; ++i) Agrega32(bytes, 0);

    // Three vertical bands: RGB(0, 102, 102), RGB(0, 79, 142), RGB(231, 230, 230).
    const std::uint8_t bandas[3][3] = {{0, 102, 102}, {0, 79, 142}, {231, 230, 230}};
    for (int fila = 0; fila < Lado; ++fila) {
        for (int columna = 0; columna < Lado; ++columna) {
            const auto& color = bandas[columna < 5 ? 0 : columna < 10 ? 1 : 2];
            bytes.push_back(color[2]);  // blue, green, red, alpha
            bytes.push_back(color[1]);
            bytes.push_back(color[0]);
            bytes.push_back(0xFF);
        }
    }
    bytes.insert(bytes.end(), Mascara, 0);
    return bytes;
}

// The DOS header of a Windows program ("MZ"), followed by a line that says what the file is.
Bytes Biblioteca(const std::string& nombre) {
    Bytes bytes(64, 0);
    bytes[0] = 'M';
    bytes[1] = 'Z';
    const std::string texto = "Biblioteca de muestra de Mirvalo: " + nombre + "\r\n";
    bytes.insert(bytes.end(), texto.begin(), texto.end());
    return bytes;
}

bool Escribe(const fs::path& ruta, const Bytes& bytes) {
    std::ofstream salida(ruta, std::ios::binary | std::ios::trunc);
    salida.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    return static_cast<bool>(salida);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 2) {
        std::fprintf(stderr, "uso: %s CARPETA\n", argv[0]);
        return 2;
    }
    const fs::path carpeta = argv[1];
    std::error_code error;
    fs::create_directories(carpeta, error);
    const bool escritos = Escribe(carpeta / "mvicon.ico", Icono()) &&
                          Escribe(carpeta / "MVComunes.dll", Biblioteca("MVComunes.dll")) &&
                          Escribe(carpeta / "MVControles.ocx", Biblioteca("MVControles.ocx"));
    if (!escritos) {
        std::fprintf(stderr, "%s: no se pudo escribir en %s\n", argv[0], carpeta.c_str());
        return 1;
    }
    return 0;
}
