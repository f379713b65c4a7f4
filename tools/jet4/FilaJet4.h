#pragma once
#include <cstdint>
#include <vector>

#include "tools/jet4/BytesJet4.h"
#include "tools/jet4/DefinicionJet4.h"

namespace mirvalo::jet4 {

// Where a table's columns sit in its rows: fixed-length columns at a byte offset after the column
// count, variable-length ones by their index in the row's offset table.
struct DisposicionDeColumnas {
    std::vector<bool> esFija;
    std::vector<uint16_t> desplazamientoFijo;  // fixed columns only
    std::vector<uint16_t> indiceVariable;      // variable columns only
    uint16_t columnasVariables = 0;
    uint16_t bytesFijos = 0;
};

DisposicionDeColumnas DisponeLasColumnas(const std::vector<Columna>& columnas);

// Bytes a column takes in a definition: its length field (text: 2 bytes per character).
uint16_t LongitudDeLaColumna(const Columna& columna);

// One row as stored on a data page: column count, fixed part, variable part, offset table
// (in reverse), count of variable columns and the null mask.
Bytes ComponeLaFila(const std::vector<Columna>& columnas, const DisposicionDeColumnas& disposicion,
                    const std::vector<Valor>& valores);

}  // namespace mirvalo::jet4
