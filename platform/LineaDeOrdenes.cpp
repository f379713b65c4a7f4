#include "platform/LineaDeOrdenes.h"

#include <cstddef>

namespace mirvalo::procesos {
namespace {

bool EsBlanco(char c) {
    return c == ' ' || c == '\t';
}

}  // namespace

std::vector<std::string> DivideLosParametros(std::string_view parametros) {
    std::vector<std::string> argumentos;
    std::string actual;
    bool hayArgumento = false;  // a pair of quotes alone makes an (empty) argument
    bool entreComillas = false;
    std::size_t barras = 0;

    for (std::size_t i = 0; i < parametros.size(); ++i) {
        const char c = parametros[i];
        if (c == '\\') {
            ++barras;
            continue;
        }
        if (c == '"') {
            actual.append(barras / 2, '\\');
            hayArgumento = true;
            if (barras % 2 == 1) {
                actual += '"';
            } else if (entreComillas && i + 1 < parametros.size() && parametros[i + 1] == '"') {
                actual += '"';
                ++i;
            } else {
                entreComillas = !entreComillas;
            }
            barras = 0;
            continue;
        }
        actual.append(barras, '\\');
        barras = 0;
        if (EsBlanco(c) && !entreComillas) {
            if (hayArgumento) argumentos.push_back(std::move(actual));
            actual.clear();
            hayArgumento = false;
            continue;
        }
        actual += c;
        hayArgumento = true;
    }
    actual.append(barras, '\\');
    if (barras > 0) hayArgumento = true;
    if (hayArgumento) argumentos.push_back(std::move(actual));
    return argumentos;
}

std::vector<std::string> DivideLaLineaDeOrdenes(std::string_view linea) {
    std::size_t i = 0;
    while (i < linea.size() && EsBlanco(linea[i])) ++i;
    if (i == linea.size()) return {};

    std::string programa;
    if (linea[i] == '"') {
        const std::size_t cierre = linea.find('"', i + 1);
        const std::size_t fin = cierre == std::string_view::npos ? linea.size() : cierre;
        programa = std::string(linea.substr(i + 1, fin - i - 1));
        i = cierre == std::string_view::npos ? linea.size() : cierre + 1;
    } else {
        const std::size_t inicio = i;
        while (i < linea.size() && !EsBlanco(linea[i])) ++i;
        programa = std::string(linea.substr(inicio, i - inicio));
    }

    std::vector<std::string> argumentos{std::move(programa)};
    for (std::string& argumento : DivideLosParametros(linea.substr(i)))
        argumentos.push_back(std::move(argumento));
    return argumentos;
}

}  // namespace mirvalo::procesos
