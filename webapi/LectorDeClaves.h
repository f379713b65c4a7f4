#pragma once
#include <cstdint>
#include <string>
#include <string_view>

#include "webapi/ValorJson.h"

namespace mirvalo {

// Reads the keys of a decoded answer, or of one of its items, into typed values with the rules
// every answer of the Web API is read by:
//  - keys match exactly (case counts); an absent key, or an empty value, reads as 0, "" or false;
//  - integers: a number is rounded to the nearest integer, ties to the even one; a text that reads
//    as a number is taken as that number; true is -1 and false 0; a value outside the type's
//    range raises error 6 "Overflow";
//  - booleans: true and false; a number is true when not 0; the texts "true" and "false" (any
//    case) and numeric texts are accepted;
//  - texts: a text unchanged; a number in its plain decimal form; a boolean as "True" or "False";
//  - null, an object or a list where one value is expected, and a text that cannot be converted,
//    raise error 13 "Type mismatch".
class LectorDeClaves {
public:
    explicit LectorDeClaves(const ObjetoJson& objeto) : objeto_(objeto) {}
    // For an item read by position: raises error 13 when the item is not a keyed object.
    explicit LectorDeClaves(const ValorJson& item);

    int16_t Entero16(std::string_view clave) const;
    int32_t Entero32(std::string_view clave) const;
    std::string Texto(std::string_view clave) const;
    bool Booleano(std::string_view clave) const;

    // The same conversions for a value on its own; `nombre` names it in the error raised.
    static int64_t AEntero(const ValorJson& valor, int64_t minimo, int64_t maximo, std::string_view nombre);
    static std::string ATexto(const ValorJson& valor, std::string_view nombre);
    static bool ABooleano(const ValorJson& valor, std::string_view nombre);

private:
    const ValorJson& Valor(std::string_view clave) const;

    const ObjetoJson& objeto_;
};

}  // namespace mirvalo
