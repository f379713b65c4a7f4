#include "support/Lnkinfo.h"

#include <stdio.h>

#include <array>

namespace mirvalo::prueba {

std::string Lnkinfo(const std::filesystem::path& archivo) {
    const std::string orden = "lnkinfo '" + archivo.string() + "' 2>&1";
    FILE* salida = popen(orden.c_str(), "r");
    if (!salida) return "popen failed";
    std::string texto;
    std::array<char, 4096> bloque{};
    while (const size_t leidos = fread(bloque.data(), 1, bloque.size(), salida))
        texto.append(bloque.data(), leidos);
    return pclose(salida) == 0 ? texto : "lnkinfo failed: " + texto;
}

}  // namespace mirvalo::prueba
