#pragma once
#include <cstdint>
#include <string>

namespace mirvalo {

// One application of a school's catalogue, for one school level. The download set keeps such
// records too, with only IdAplicacion and IdNivel filled.
struct El_Aplicacion {
    int16_t IdAplicacion = 0;
    std::string NombreAplicacion;
    std::string SuiteAplicacion;
    std::string IdNivel;  // text, also where the server sends a number
    std::string NombreNivel;
    bool Comprada = false;
};

// What the selection lists show for an application, and how a chosen line is found again in the
// catalogue: the name, one blank, the level's name ("Lectura Primaria").
inline std::string TextoDeLista(const El_Aplicacion& aplicacion) {
    return aplicacion.NombreAplicacion + " " + aplicacion.NombreNivel;
}

}  // namespace mirvalo
