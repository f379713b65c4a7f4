#pragma once
#include <cstdint>
#include <vector>

#include "tools/jet4/BytesJet4.h"
#include "tools/jet4/DefinicionJet4.h"

namespace mirvalo::jet4 {

// A row pointer of the format: page number in the upper bytes, row index on that page in the lowest.
inline uint32_t PunteroDeFila(uint32_t pagina, uint8_t fila) {
    return (pagina << 8) | fila;
}

struct DatosDeLaDefinicion {
    uint32_t filas = 0;
    bool deSistema = false;
    uint32_t mapaDePaginasUsadas = 0;  // row pointers to the table's two page usage maps
    uint32_t mapaDePaginasLibres = 0;
};

// The table definition page: header, column descriptors and column names. No index.
Bytes ComponeLaDefinicionDeTabla(const std::vector<Columna>& columnas, const DatosDeLaDefinicion& datos);

}  // namespace mirvalo::jet4
