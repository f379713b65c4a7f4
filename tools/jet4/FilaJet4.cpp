#include "tools/jet4/FilaJet4.h"

#include <stdexcept>

#include "platform/Texto.h"

namespace mirvalo::jet4 {
namespace {

uint16_t BytesFijos(TipoDeColumna tipo) {
    switch (tipo) {
        case TipoDeColumna::Booleano: return 0;  // the value lives in the null mask
        case TipoDeColumna::Byte: return 1;
        case TipoDeColumna::Entero: return 2;
        case TipoDeColumna::EnteroLargo: return 4;
        default: return 0;
    }
}

bool EsFija(TipoDeColumna tipo) {
    return tipo != TipoDeColumna::Texto && tipo != TipoDeColumna::ObjetoOle;
}

std::invalid_argument ValorNoValido(const Columna& columna, const char* motivo) {
    return std::invalid_argument("columna " + columna.nombre + ": " + motivo);
}

int32_t Numero(const Columna& columna, const Valor& valor, int64_t minimo, int64_t maximo) {
    const auto* numero = std::get_if<int32_t>(&valor);
    if (!numero) throw ValorNoValido(columna, "se esperaba un número");
    if (*numero < minimo || *numero > maximo) throw ValorNoValido(columna, "número fuera de rango");
    return *numero;
}

// Text is stored as UCS-2; a "compressed" column keeps a value whose characters are all in
// U+0001..U+00FF as one byte each after the FF FE marker, the simplest form of the compression.
Bytes CodificaTexto(const Columna& columna, const Valor& valor) {
    const auto* texto = std::get_if<std::string>(&valor);
    if (!texto) throw ValorNoValido(columna, "se esperaba un texto");
    const std::u16string unidades = texto::AUtf16(*texto);
    if (unidades.size() > columna.caracteres) throw ValorNoValido(columna, "texto demasiado largo");
    Bytes bytes;
    bool comprimible = columna.textoComprimido && !unidades.empty();
    for (char16_t u : unidades) comprimible = comprimible && u != 0 && u <= 0xFF;
    if (comprimible) {
        bytes = {0xFF, 0xFE};
        for (char16_t u : unidades) bytes.push_back(static_cast<uint8_t>(u));
        return bytes;
    }
    for (char16_t u : unidades) Agrega16(bytes, u);
    return bytes;
}

}  // namespace

DisposicionDeColumnas DisponeLasColumnas(const std::vector<Columna>& columnas) {
    DisposicionDeColumnas d;
    for (const Columna& c : columnas) {
        const bool fija = EsFija(c.tipo);
        d.esFija.push_back(fija);
        d.desplazamientoFijo.push_back(fija ? d.bytesFijos : 0);
        d.indiceVariable.push_back(fija ? 0 : d.columnasVariables);
        if (fija)
            d.bytesFijos = static_cast<uint16_t>(d.bytesFijos + BytesFijos(c.tipo));
        else
            ++d.columnasVariables;
    }
    return d;
}

uint16_t LongitudDeLaColumna(const Columna& columna) {
    if (columna.tipo == TipoDeColumna::Texto) return static_cast<uint16_t>(columna.caracteres * 2);
    return BytesFijos(columna.tipo);
}

Bytes ComponeLaFila(const std::vector<Columna>& columnas, const DisposicionDeColumnas& disposicion,
                    const std::vector<Valor>& valores) {
    if (valores.size() != columnas.size())
        throw std::invalid_argument("la fila no tiene un valor por columna");
    const std::size_t n = columnas.size();
    Bytes fila(2 + disposicion.bytesFijos, 0);
    Pon16(fila, 0, static_cast<uint32_t>(n));
    Bytes mascaraDeNulos((n + 7) / 8, 0);
    std::vector<uint16_t> inicioVariable;

    for (std::size_t i = 0; i < n; ++i) {
        const Columna& c = columnas[i];
        const Valor& v = valores[i];
        const bool nulo = std::holds_alternative<std::monostate>(v);
        bool presente = !nulo;
        const std::size_t en = 2 + disposicion.desplazamientoFijo[i];
        switch (c.tipo) {
            case TipoDeColumna::Booleano:
                if (!nulo) {
                    const auto* b = std::get_if<bool>(&v);
                    if (!b) throw ValorNoValido(c, "se esperaba un booleano");
                    presente = *b;
                }
                break;
            case TipoDeColumna::Byte:
                if (!nulo) fila[en] = static_cast<uint8_t>(Numero(c, v, 0, 255));
                break;
            case TipoDeColumna::Entero:
                if (!nulo) Pon16(fila, en, static_cast<uint32_t>(Numero(c, v, INT16_MIN, INT16_MAX)));
                break;
            case TipoDeColumna::EnteroLargo:
                if (!nulo) Pon32(fila, en, static_cast<uint32_t>(Numero(c, v, INT32_MIN, INT32_MAX)));
                break;
            case TipoDeColumna::Texto: {
                inicioVariable.push_back(static_cast<uint16_t>(fila.size()));
                if (!nulo) {
                    const Bytes texto = CodificaTexto(c, v);
                    fila.insert(fila.end(), texto.begin(), texto.end());
                }
                break;
            }
            case TipoDeColumna::ObjetoOle:
                if (!nulo) throw ValorNoValido(c, "solo se escribe NULL en un objeto OLE");
                inicioVariable.push_back(static_cast<uint16_t>(fila.size()));
                break;
        }
        if (presente) mascaraDeNulos[i / 8] |= static_cast<uint8_t>(1u << (i % 8));
    }

    // A table without variable columns has no offset table at all.
    if (disposicion.columnasVariables > 0) {
        Agrega16(fila, static_cast<uint32_t>(fila.size()));  // end of the variable data
        for (auto it = inicioVariable.rbegin(); it != inicioVariable.rend(); ++it) Agrega16(fila, *it);
        Agrega16(fila, disposicion.columnasVariables);
    }
    fila.insert(fila.end(), mascaraDeNulos.begin(), mascaraDeNulos.end());
    return fila;
}

}  // namespace mirvalo::jet4
