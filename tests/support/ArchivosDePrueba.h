#pragma once
// Reading and writing whole files, byte for byte, as the tests set up and check their folders.
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace mirvalo::prueba {

// The whole file; empty when it cannot be read.
inline std::string LeeElArchivo(const std::filesystem::path& ruta) {
    std::ifstream archivo(ruta, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>());
}

// Replaces the file with `contenido`, making its folder first.
inline void EscribeElArchivo(const std::filesystem::path& ruta, std::string_view contenido) {
    std::filesystem::create_directories(ruta.parent_path());
    std::ofstream(ruta, std::ios::binary) << contenido;
}

}  // namespace mirvalo::prueba
