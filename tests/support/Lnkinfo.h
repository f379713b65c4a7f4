#pragma once
#include <filesystem>
#include <string>

namespace mirvalo::prueba {

// What lnkinfo (liblnk-utils), an independent reader of the format, reads from a shortcut file:
// its whole output, or it prefixed with "lnkinfo failed: " when the program fails.
std::string Lnkinfo(const std::filesystem::path& archivo);

}  // namespace mirvalo::prueba
