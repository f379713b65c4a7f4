#include "platform/jet/TablaJet.h"

#include "platform/Texto.h"

namespace mirvalo::jet {

std::optional<std::size_t> TablaJet::PosicionDe(std::string_view nombreDeColumna) const {
    for (std::size_t i = 0; i < columnas.size(); ++i)
        if (texto::IgualesSinMayusculas(columnas[i].nombre, nombreDeColumna)) return i;
    return std::nullopt;
}

}  // namespace mirvalo::jet
