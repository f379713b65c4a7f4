#include "install/NombreDeInstalacion.h"

namespace mirvalo::instalacion {

std::string NombreDeInstalacion(std::string_view plataformaNombre, int32_t plataforma) {
    if (plataforma == 1) return "Mirvalo " + std::string(plataformaNombre) + " Local";
    if (plataforma == 2) return "Mirvalo " + std::string(plataformaNombre) + " Cloud";
    return {};
}

bool EsUnSoloNombre(std::string_view nombre) {
    if (nombre.find_first_of(std::string_view("\\/:\0", 4)) != std::string_view::npos) return false;
    while (!nombre.empty() && nombre.back() == ' ') nombre.remove_suffix(1);
    return !nombre.empty() && nombre != "." && nombre != "..";
}

}  // namespace mirvalo::instalacion
