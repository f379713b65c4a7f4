#pragma once
#include <string_view>
#include <vector>

#include "tools/jet4/DefinicionJet4.h"

namespace mirvalo::jet4 {

// Reads tables from a plain text description, one statement a line:
//
//   # a comment; blank lines are skipped
//   tabla TBL_Aplicacion
//   columna app_ide entero_largo
//   columna Nomenclatura texto 50
//   fila 1 | Matemáticas
//   fila \N | Visor
//
// Column types: booleano, byte, entero, entero_largo, texto N, texto_comprimido N (N characters).
// A row's fields are separated by '|' and trimmed of blanks; \N is NULL; booleans are
// verdadero or falso. Throws std::invalid_argument naming the line of the first fault.
std::vector<Tabla> LeeLaDescripcion(std::string_view descripcion);

}  // namespace mirvalo::jet4
