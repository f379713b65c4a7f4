#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "platform/jet/ValorJet.h"

namespace mirvalo::jet {

// Column types by the code the format stores.
enum class TipoJet : uint8_t {
    Booleano = 0x01,
    Byte = 0x02,
    Entero = 0x03,
    EnteroLargo = 0x04,
    Moneda = 0x05,
    Simple = 0x06,
    Doble = 0x07,
    FechaHora = 0x08,
    Binario = 0x09,
    Texto = 0x0A,
    ObjetoOle = 0x0B,
    Memo = 0x0C,
    Guid = 0x0F,
    Decimal = 0x10,
};

struct ColumnaJet {
    std::string nombre;
    TipoJet tipo = TipoJet::Texto;
};

// A table's rows as read: every column, in the table's order, and one value per column in each row.
struct TablaJet {
    std::vector<ColumnaJet> columnas;
    std::vector<std::vector<ValorJet>> filas;

    // The position of a column; names compare as the engine does, without regard to case.
    std::optional<std::size_t> PosicionDe(std::string_view nombreDeColumna) const;
};

}  // namespace mirvalo::jet
