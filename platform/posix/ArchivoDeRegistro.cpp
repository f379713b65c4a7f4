#include "platform/posix/ArchivoDeRegistro.h"

#include "platform/Error.h"
#include "platform/Texto.h"

#include <algorithm>
#include <cstdio>
#include <optional>

namespace mirvalo::registro {
namespace {

std::string_view SinBarrasEnLosExtremos(std::string_view ruta) {
    while (ruta.starts_with('\\')) ruta.remove_prefix(1);
    while (ruta.ends_with('\\')) ruta.remove_suffix(1);
    return ruta;
}

// Registry names compare as Windows compares them: letter case ignored.
std::string Clave(std::string_view nombre) {
    return texto::Mayusculas(SinBarrasEnLosExtremos(nombre));
}

bool EsDescendiente(std::string_view rutaEnMayusculas, std::string_view baseEnMayusculas) {
    return rutaEnMayusculas.size() > baseEnMayusculas.size() &&
           rutaEnMayusculas.starts_with(baseEnMayusculas) &&
           rutaEnMayusculas[baseEnMayusculas.size()] == '\\';
}

// The part of a key path at `indice` (0 for the branch).
std::string Componente(std::string_view ruta, std::size_t indice) {
    ruta = SinBarrasEnLosExtremos(ruta);
    for (; indice > 0; --indice) ruta.remove_prefix(ruta.find('\\') + 1);
    return std::string(ruta.substr(0, ruta.find('\\')));
}

Error LineaErronea(std::size_t numero, std::string_view motivo) {
    return Error::Estandar(errores::ErrorDeEntradaSalida,
                           "registry.txt line " + std::to_string(numero) + ": " + std::string(motivo));
}

std::string ConEscapes(std::string_view texto) {
    std::string resultado = "\"";
    for (char c : texto) {
        switch (c) {
            case '"': resultado += "\\\""; break;
            case '\\': resultado += "\\\\"; break;
            case '\n': resultado += "\\n"; break;
            case '\r': resultado += "\\r"; break;
            default: resultado += c;
        }
    }
    return resultado + "\"";
}

// Reads a quoted text starting at `posicion` (on the opening quote); leaves `posicion` after the
// closing quote. Nothing when the text is not closed.
std::optional<std::string> LeeEntreComillas(std::string_view linea, std::size_t& posicion) {
    std::string resultado;
    for (std::size_t i = posicion + 1; i < linea.size(); ++i) {
        char c = linea[i];
        if (c == '"') {
            posicion = i + 1;
            return resultado;
        }
        if (c == '\\') {
            if (++i == linea.size()) return std::nullopt;
            switch (linea[i]) {
                case 'n': resultado += '\n'; break;
                case 'r': resultado += '\r'; break;
                default: resultado += linea[i];
            }
            continue;
        }
        resultado += c;
    }
    return std::nullopt;
}

std::optional<uint32_t> LeeHexadecimal(std::string_view texto) {
    if (texto.empty() || texto.size() > 8) return std::nullopt;
    uint32_t valor = 0;
    for (char c : texto) {
        int digito;
        if (c >= '0' && c <= '9')
            digito = c - '0';
        else if (c >= 'a' && c <= 'f')
            digito = c - 'a' + 10;
        else if (c >= 'A' && c <= 'F')
            digito = c - 'A' + 10;
        else
            return std::nullopt;
        valor = valor * 16 + static_cast<uint32_t>(digito);
    }
    return valor;
}

ValorDeRegistro LeeValor(std::string_view linea, std::size_t numero) {
    ValorDeRegistro valor;
    std::size_t posicion = 0;
    if (linea.starts_with('@')) {
        posicion = 1;
    } else {
        std::optional<std::string> nombre = LeeEntreComillas(linea, posicion);
        if (!nombre) throw LineaErronea(numero, "unclosed value name");
        valor.nombre = std::move(*nombre);
    }
    if (posicion >= linea.size() || linea[posicion] != '=') throw LineaErronea(numero, "'=' expected");
    std::string_view dato = linea.substr(posicion + 1);
    if (dato.starts_with("dword:")) {
        std::optional<uint32_t> numeroLeido = LeeHexadecimal(dato.substr(6));
        if (!numeroLeido) throw LineaErronea(numero, "bad dword");
        valor.dato = *numeroLeido;
    } else if (dato.starts_with('"')) {
        std::size_t fin = 0;
        std::optional<std::string> texto = LeeEntreComillas(dato, fin);
        if (!texto || fin != dato.size()) throw LineaErronea(numero, "bad text value");
        valor.dato = std::move(*texto);
    } else {
        throw LineaErronea(numero, "unknown value type");
    }
    return valor;
}

}  // namespace

ArchivoDeRegistro ArchivoDeRegistro::Lee(std::string_view texto) {
    ArchivoDeRegistro archivo;
    ClaveDeRegistro* actual = nullptr;
    std::size_t numero = 0;
    while (!texto.empty()) {
        const std::size_t finDeLinea = texto.find('\n');
        std::string_view linea = texto.substr(0, finDeLinea);
        texto.remove_prefix(finDeLinea == std::string_view::npos ? texto.size() : finDeLinea + 1);
        ++numero;
        if (linea.ends_with('\r')) linea.remove_suffix(1);
        while (!linea.empty() && (linea.front() == ' ' || linea.front() == '\t')) linea.remove_prefix(1);
        while (!linea.empty() && (linea.back() == ' ' || linea.back() == '\t')) linea.remove_suffix(1);

        if (linea.empty() || linea.starts_with(';') || linea.starts_with("Windows Registry Editor")) continue;
        if (linea.starts_with('[')) {
            if (!linea.ends_with(']') || linea.size() < 3) throw LineaErronea(numero, "bad key line");
            actual = &archivo.Crea(linea.substr(1, linea.size() - 2));
            continue;
        }
        if (!actual) throw LineaErronea(numero, "value outside a key");
        EstableceValor(*actual, LeeValor(linea, numero));
    }
    return archivo;
}

std::string ArchivoDeRegistro::Texto() const {
    std::string texto = "Windows Registry Editor Version 5.00\n";
    for (const ClaveDeRegistro& clave : claves_) {
        texto += "\n[" + clave.ruta + "]\n";
        for (const ValorDeRegistro& valor : clave.valores) {
            texto += valor.nombre.empty() ? std::string("@") : ConEscapes(valor.nombre);
            texto += '=';
            if (const uint32_t* numero = std::get_if<uint32_t>(&valor.dato)) {
                char hexadecimal[16];
                std::snprintf(hexadecimal, sizeof hexadecimal, "%08x", *numero);
                texto += std::string("dword:") + hexadecimal;
            } else {
                texto += ConEscapes(std::get<std::string>(valor.dato));
            }
            texto += '\n';
        }
    }
    return texto;
}

const ClaveDeRegistro* ArchivoDeRegistro::Busca(std::string_view ruta) const {
    const std::string buscada = Clave(ruta);
    for (const ClaveDeRegistro& clave : claves_)
        if (Clave(clave.ruta) == buscada) return &clave;
    return nullptr;
}

bool ArchivoDeRegistro::Existe(std::string_view ruta) const {
    const std::string buscada = Clave(ruta);
    if (buscada.empty()) return false;
    for (const ClaveDeRegistro& clave : claves_) {
        const std::string nombre = Clave(clave.ruta);
        if (nombre == buscada || EsDescendiente(nombre, buscada)) return true;
    }
    return false;
}

ClaveDeRegistro& ArchivoDeRegistro::Crea(std::string_view ruta) {
    ruta = SinBarrasEnLosExtremos(ruta);
    // Every key above gets its own entry, so each keeps the letter case it was created with.
    for (std::size_t barra = ruta.find('\\'); barra != std::string_view::npos;
         barra = ruta.find('\\', barra + 1)) {
        std::string_view superior = ruta.substr(0, barra);
        if (!superior.empty() && !Busca(superior)) claves_.push_back({std::string(superior), {}});
    }
    for (ClaveDeRegistro& clave : claves_)
        if (Clave(clave.ruta) == Clave(ruta)) return clave;
    claves_.push_back({std::string(ruta), {}});
    return claves_.back();
}

std::vector<std::string> ArchivoDeRegistro::Subclaves(std::string_view ruta) const {
    const std::string base = Clave(ruta);
    const std::size_t componentesDeLaBase =
        static_cast<std::size_t>(std::count(base.begin(), base.end(), '\\')) + 1;
    std::vector<std::string> nombres;
    for (const ClaveDeRegistro& clave : claves_) {
        const std::string nombre = Clave(clave.ruta);
        if (!EsDescendiente(nombre, base)) continue;
        std::string hija = Componente(clave.ruta, componentesDeLaBase);
        const bool repetida = std::any_of(nombres.begin(), nombres.end(), [&](const std::string& otra) {
            return texto::IgualesSinMayusculas(otra, hija);
        });
        if (!repetida) nombres.push_back(std::move(hija));
    }
    std::sort(nombres.begin(), nombres.end(), [](const std::string& a, const std::string& b) {
        return texto::ComparaOrdinal(texto::Mayusculas(a), texto::Mayusculas(b)) < 0;
    });
    return nombres;
}

void ArchivoDeRegistro::Borra(std::string_view ruta) {
    const std::string base = Clave(ruta);
    std::erase_if(claves_, [&](const ClaveDeRegistro& clave) {
        const std::string nombre = Clave(clave.ruta);
        return nombre == base || EsDescendiente(nombre, base);
    });
}

const ValorDeRegistro* ArchivoDeRegistro::BuscaValor(const ClaveDeRegistro& clave, std::string_view nombre) {
    for (const ValorDeRegistro& valor : clave.valores)
        if (texto::IgualesSinMayusculas(valor.nombre, nombre)) return &valor;
    return nullptr;
}

void ArchivoDeRegistro::EstableceValor(ClaveDeRegistro& clave, ValorDeRegistro valor) {
    for (ValorDeRegistro& existente : clave.valores) {
        if (texto::IgualesSinMayusculas(existente.nombre, valor.nombre)) {
            existente.dato = std::move(valor.dato);
            return;
        }
    }
    clave.valores.push_back(std::move(valor));
}

void ArchivoDeRegistro::BorraValor(ClaveDeRegistro& clave, std::string_view nombre) {
    std::erase_if(clave.valores, [&](const ValorDeRegistro& valor) {
        return texto::IgualesSinMayusculas(valor.nombre, nombre);
    });
}

}  // namespace mirvalo::registro
