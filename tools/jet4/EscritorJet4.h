#pragma once
#include <filesystem>

#include "tools/jet4/BytesJet4.h"
#include "tools/jet4/DefinicionJet4.h"

// Writes small Jet 4 database files: page 0 with the masked password and creation date, page 1 with
// the tables' page usage maps, the catalogue table MSysObjects defined on page 2, then each table's
// definition page and data pages. No index, no relationship, no query: enough for readers of the
// format (libmdb, the catalogue reader) and for tests that need real files.
namespace mirvalo::jet4 {

// The file's bytes. Throws std::invalid_argument for a definition the writer cannot store.
Bytes ComponeElArchivo(const ArchivoJet4& archivo);

// Writes the file at `ruta`, replacing it. Throws mirvalo::Error when the file cannot be written.
void EscribeElArchivo(const std::filesystem::path& ruta, const ArchivoJet4& archivo);

}  // namespace mirvalo::jet4
