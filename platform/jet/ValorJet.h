#pragma once
#include <cstdint>
#include <string>
#include <variant>

namespace mirvalo::jet {

// One field as the engine gives it: NULL (monostate), a boolean, a whole number (byte, integer,
// long integer), a floating number (single, double, currency, date as days since 30/12/1899) or
// a text (UTF-8). Binary, OLE, GUID and decimal fields come as their stored bytes in the string.
using ValorJet = std::variant<std::monostate, bool, int32_t, double, std::string>;

inline bool EsNulo(const ValorJet& v) {
    return std::holds_alternative<std::monostate>(v);
}

}  // namespace mirvalo::jet
