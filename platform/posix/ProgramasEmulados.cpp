#include "platform/posix/ProgramasEmulados.h"

#include "platform/Regsvr32Emulado.h"
#include "platform/Texto.h"
#include "platform/posix/DismEmulado.h"

#include <array>
#include <utility>

namespace mirvalo::procesos {
namespace {

struct Emulacion {
    std::string_view nombre;
    ProgramaEmulado programa;
};

constexpr std::array emulaciones{
    Emulacion{"dism", EjecutaDism},
    Emulacion{"regsvr32", EjecutaRegsvr32},
};

// "C:\Windows\System32\Dism.exe" -> "Dism": the name Windows would find the tool by.
std::string_view NombreDelPrograma(std::string_view programa) {
    if (const std::size_t barra = programa.find_last_of("\\/:"); barra != std::string_view::npos)
        programa.remove_prefix(barra + 1);
    if (programa.size() > 4 && texto::IgualesSinMayusculas(programa.substr(programa.size() - 4), ".exe"))
        programa.remove_suffix(4);
    return programa;
}

}  // namespace

ProgramaEmulado BuscaProgramaEmulado(std::string_view programa) {
    const std::string_view nombre = NombreDelPrograma(programa);
    for (const Emulacion& emulacion : emulaciones)
        if (texto::IgualesSinMayusculas(nombre, emulacion.nombre)) return emulacion.programa;
    return nullptr;
}

}  // namespace mirvalo::procesos
