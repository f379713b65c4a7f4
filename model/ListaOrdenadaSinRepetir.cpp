#include "model/ListaOrdenadaSinRepetir.h"

#include <algorithm>
#include <utility>

#include "platform/Texto.h"

namespace mirvalo {

void ListaOrdenadaSinRepetir::Agrega(std::string_view texto) {
    if (enMayusculas_.insert(texto::Mayusculas(texto)).second) textos_.emplace_back(texto);
}

std::vector<std::string> ListaOrdenadaSinRepetir::Ordenada() {
    // Stable: two distinct texts compare equal only when malformed bytes read as the same
    // replacement character, and then they keep the order in which they were met.
    std::stable_sort(textos_.begin(), textos_.end(), [](const std::string& a, const std::string& b) {
        return texto::ComparaOrdinal(a, b) < 0;
    });
    enMayusculas_.clear();
    return std::exchange(textos_, {});
}

}  // namespace mirvalo
