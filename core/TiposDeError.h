#pragma once
#include <cstdint>

namespace mirvalo {

// The kind of a fatal condition: a screen stores it in the configuration's Error and shows the
// error screen, which picks its message, link and button by it.
enum TipoDeError : int32_t {
    ErrorConexionS2 = 0,
    ErrorConexionS1 = 1,
    ErrorNetFramework = 2,
    ErrorAntivirus = 3,
    ErrorImpresora = 4,
    ErrorAdministrador = 5,
    ErrorMantenimiento = 6,
    ErrorVersion = 7,
    ErrorDescarga = 8,
};

}  // namespace mirvalo
