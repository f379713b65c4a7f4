#pragma once
#include <string_view>

#include "tools/jet4/BytesJet4.h"

namespace mirvalo::jet4 {

// Page 0 of a Jet 4 file: the format's signature and version, and the masked block that holds
// the database password and the creation date. `contrasena` is UTF-8, at most 20 characters.
Bytes ComponeLaCabecera(std::string_view contrasena, double fechaDeCreacion);

}  // namespace mirvalo::jet4
