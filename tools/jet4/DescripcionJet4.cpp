#include "tools/jet4/DescripcionJet4.h"

#include <charconv>
#include <optional>
#include <stdexcept>
#include <string>

#include "platform/Texto.h"

namespace mirvalo::jet4 {
namespace {

std::string_view SinBlancosAlBorde(std::string_view s) {
    const auto inicio = s.find_first_not_of(" \t\r");
    if (inicio == std::string_view::npos) return {};
    const auto fin = s.find_last_not_of(" \t\r");
    return s.substr(inicio, fin - inicio + 1);
}

// Splits off the first word of `resto`, leaving the rest (trimmed) in it.
std::string_view Palabra(std::string_view& resto) {
    resto = SinBlancosAlBorde(resto);
    const auto fin = resto.find_first_of(" \t");
    const std::string_view palabra = resto.substr(0, fin);
    resto = fin == std::string_view::npos ? std::string_view{} : SinBlancosAlBorde(resto.substr(fin));
    return palabra;
}

std::optional<int32_t> Entero(std::string_view s) {
    int32_t n = 0;
    const auto [fin, error] = std::from_chars(s.data(), s.data() + s.size(), n);
    if (error != std::errc{} || fin != s.data() + s.size() || s.empty()) return std::nullopt;
    return n;
}

Columna LeeLaColumna(std::string_view resto) {
    Columna c;
    c.nombre = std::string(Palabra(resto));
    const std::string_view tipo = Palabra(resto);
    if (c.nombre.empty() || tipo.empty()) throw std::invalid_argument("se esperaba: columna NOMBRE TIPO");
    if (tipo == "booleano") {
        c.tipo = TipoDeColumna::Booleano;
    } else if (tipo == "byte") {
        c.tipo = TipoDeColumna::Byte;
    } else if (tipo == "entero") {
        c.tipo = TipoDeColumna::Entero;
    } else if (tipo == "entero_largo") {
        c.tipo = TipoDeColumna::EnteroLargo;
    } else if (tipo == "texto" || tipo == "texto_comprimido") {
        c.tipo = TipoDeColumna::Texto;
        c.textoComprimido = tipo == "texto_comprimido";
        const auto caracteres = Entero(Palabra(resto));
        if (!caracteres || *caracteres < 1 || *caracteres > 255)
            throw std::invalid_argument("un texto lleva su longitud, de 1 a 255 caracteres");
        c.caracteres = static_cast<uint16_t>(*caracteres);
    } else {
        throw std::invalid_argument("tipo de columna desconocido: " + std::string(tipo));
    }
    if (!resto.empty()) throw std::invalid_argument("sobra texto tras el tipo: " + std::string(resto));
    return c;
}

Valor LeeElValor(const Columna& c, std::string_view campo) {
    if (campo == "\\N") return std::monostate{};
    switch (c.tipo) {
        case TipoDeColumna::Booleano:
            if (campo == "verdadero") return true;
            if (campo == "falso") return false;
            throw std::invalid_argument("booleano no válido en " + c.nombre + ": " + std::string(campo));
        case TipoDeColumna::Texto: return std::string(campo);
        default:
            if (const auto n = Entero(campo)) return *n;
            throw std::invalid_argument("número no válido en " + c.nombre + ": " + std::string(campo));
    }
}

std::vector<Valor> LeeLaFila(const Tabla& tabla, std::string_view resto) {
    std::vector<std::string_view> campos;
    for (std::size_t desde = 0;;) {
        const auto barra = resto.find('|', desde);
        campos.push_back(SinBlancosAlBorde(resto.substr(desde, barra - desde)));
        if (barra == std::string_view::npos) break;
        desde = barra + 1;
    }
    if (campos.size() != tabla.columnas.size())
        throw std::invalid_argument("la fila tiene " + std::to_string(campos.size()) + " campos y la tabla " +
                                    std::to_string(tabla.columnas.size()) + " columnas");
    std::vector<Valor> valores;
    for (std::size_t i = 0; i < campos.size(); ++i)
        valores.push_back(LeeElValor(tabla.columnas[i], campos[i]));
    return valores;
}

}  // namespace

std::vector<Tabla> LeeLaDescripcion(std::string_view descripcion) {
    std::vector<Tabla> tablas;
    int numeroDeLinea = 0;
    for (std::size_t desde = 0; desde <= descripcion.size();) {
        const auto finDeLinea = descripcion.find('\n', desde);
        const std::string_view linea = SinBlancosAlBorde(descripcion.substr(desde, finDeLinea - desde));
        desde = finDeLinea == std::string_view::npos ? descripcion.size() + 1 : finDeLinea + 1;
        ++numeroDeLinea;
        if (linea.empty() || linea.front() == '#') continue;
        try {
            std::string_view resto = linea;
            const std::string_view orden = Palabra(resto);
            if (orden == "tabla") {
                if (resto.empty()) throw std::invalid_argument("falta el nombre de la tabla");
                tablas.push_back(Tabla{std::string(resto), {}, {}});
            } else if (tablas.empty()) {
                throw std::invalid_argument("se esperaba: tabla NOMBRE");
            } else if (orden == "columna") {
                if (!tablas.back().filas.empty()) throw std::invalid_argument("columna tras las filas");
                tablas.back().columnas.push_back(LeeLaColumna(resto));
            } else if (orden == "fila") {
                tablas.back().filas.push_back(LeeLaFila(tablas.back(), resto));
            } else {
                throw std::invalid_argument("orden desconocida: " + std::string(orden));
            }
        } catch (const std::invalid_argument& e) {
            throw std::invalid_argument("línea " + std::to_string(numeroDeLinea) + ": " + e.what());
        }
    }
    return tablas;
}

}  // namespace mirvalo::jet4
