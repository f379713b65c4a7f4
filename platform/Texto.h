#pragma once
#include <cstddef>
#include <string>
#include <string_view>

// Text in this system is UTF-8 in std::string, everywhere: the Web API's answers arrive as UTF-8,
// request bodies go out as UTF-8, file names on the POSIX emulation are UTF-8, and the forms layer
// converts at its edge. Where the assistant's rules count or compare "characters" (the 1000-character
// cut of a step description, the JSON reader's positions, ordinal sorting) they mean UTF-16 code
// units, as on the Windows runtime; the helpers below apply those rules to UTF-8 text.
namespace mirvalo::texto {

std::u16string AUtf16(std::string_view utf8);      // invalid bytes become U+FFFD
std::string DesdeUtf16(std::u16string_view utf16);  // lone surrogates become U+FFFD
void AgregaUtf8(std::string& destino, char32_t puntoDeCodigo);

// Length in UTF-16 code units.
std::size_t Longitud(std::string_view utf8);
// The first `unidades` UTF-16 code units; a character that would be split is left out whole.
std::string Izquierda(std::string_view utf8, std::size_t unidades);

// Upper case as the runtime's UCase does it for the scripts a school's data uses (Latin with
// its accents, Greek, Cyrillic); other characters are kept.
std::string Mayusculas(std::string_view utf8);
char32_t MayusculaDe(char32_t c);

// Removes blanks (U+0020 only) from both ends, like the runtime's Trim.
std::string Recorta(std::string_view utf8);
// Removes every blank (U+0020).
std::string SinBlancos(std::string_view utf8);

// Character code by character code (UTF-16 code units), case-sensitive; a text that is the
// beginning of another sorts first. <0, 0, >0.
int ComparaOrdinal(std::string_view a, std::string_view b);
bool IgualesSinMayusculas(std::string_view a, std::string_view b);
// Whether `aguja` occurs inside `pajar`, upper and lower case not distinguished.
bool ContieneSinMayusculas(std::string_view pajar, std::string_view aguja);

}  // namespace mirvalo::texto
