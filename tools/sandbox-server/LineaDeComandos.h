#pragma once

#include "tools/sandbox-server/ServidorSandbox.h"

#include <string>
#include <vector>

namespace mirvalo::sandbox {

// The executable's flags. Each takes its value as the next argument or after '=' (--port=0).
struct LineaDeComandos {
    Opciones opciones;
    bool ayuda = false;

    // The arguments without the program name. Throws std::invalid_argument naming the faulty flag.
    static LineaDeComandos Lee(const std::vector<std::string>& argumentos);
    static std::string Ayuda();
};

}  // namespace mirvalo::sandbox
