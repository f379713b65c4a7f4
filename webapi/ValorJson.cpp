#include "webapi/ValorJson.h"

#include <functional>

namespace mirvalo {
namespace {

std::size_t HashDe(std::string_view clave) {
    return std::hash<std::string_view>{}(clave);
}

}  // namespace

bool ObjetoJson::Agrega(std::string clave, ValorJson valor) {
    if (Posicion(clave) != pares_.size()) return false;
    // Most objects of an answer have a handful of pairs: one allocation instead of three.
    if (pares_.empty()) pares_.reserve(4);
    pares_.emplace_back(std::move(clave), std::move(valor));
    if (pares_.size() > ParesSinIndice) {
        if (indice_.size() < 2 * pares_.size()) {
            ReconstruyeIndice();
        } else {
            Indexa(pares_.size() - 1);
        }
    }
    return true;
}

const ValorJson* ObjetoJson::Busca(std::string_view clave) const {
    const std::size_t posicion = Posicion(clave);
    return posicion == pares_.size() ? nullptr : &pares_[posicion].second;
}

std::size_t ObjetoJson::Posicion(std::string_view clave) const {
    if (indice_.empty()) {
        for (std::size_t i = 0; i < pares_.size(); ++i) {
            if (pares_[i].first == clave) return i;
        }
        return pares_.size();
    }
    const std::size_t mascara = indice_.size() - 1;
    for (std::size_t ranura = HashDe(clave) & mascara;; ranura = (ranura + 1) & mascara) {
        const uint32_t entrada = indice_[ranura];
        if (entrada == 0) return pares_.size();
        if (pares_[entrada - 1].first == clave) return entrada - 1;
    }
}

void ObjetoJson::Indexa(std::size_t posicion) {
    const std::size_t mascara = indice_.size() - 1;
    std::size_t ranura = HashDe(pares_[posicion].first) & mascara;
    while (indice_[ranura] != 0) ranura = (ranura + 1) & mascara;
    indice_[ranura] = static_cast<uint32_t>(posicion + 1);
}

void ObjetoJson::ReconstruyeIndice() {
    // A power of two at least four times the pairs: the table stays at most half full until the
    // next rebuild.
    std::size_t tamano = 16;
    while (tamano < 4 * pares_.size()) tamano *= 2;
    indice_.assign(tamano, 0);
    for (std::size_t i = 0; i < pares_.size(); ++i) Indexa(i);
}

}  // namespace mirvalo
