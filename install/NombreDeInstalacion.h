#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace mirvalo::instalacion {

// "Mirvalo " + the platform's name + " Local" (platform 1) or " Cloud" (platform 2): the last
// component of the installation folder and the name of the shortcuts and of the product's
// virtual-store folders. Empty text for any other platform.
std::string NombreDeInstalacion(std::string_view plataformaNombre, int32_t plataforma);

// Whether the text names one folder of a parent and nothing else: not empty, no separator or
// drive, not "." or ".." (blanks at its end ignored, as Windows ignores them).
bool EsUnSoloNombre(std::string_view nombre);

}  // namespace mirvalo::instalacion
