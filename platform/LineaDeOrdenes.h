#pragma once
#include <string>
#include <string_view>
#include <vector>

// Windows hands a new process one command-line text; the program splits it into arguments. These
// functions split it as Windows does (the rules of CommandLineToArgvW and the C runtime), so a
// command such as "regsvr32 /s C:\a b.dll" reaches the program as the same arguments here.
namespace mirvalo::procesos {

// The program and its arguments. The program (the first element) ends at the first blank or tab,
// or, when it starts with a double quote, at the next double quote; backslashes in it are plain
// characters. Leading blanks are skipped. Empty for a blank line.
std::vector<std::string> DivideLaLineaDeOrdenes(std::string_view linea);

// The arguments of a parameter text (what follows the program), split by these rules:
// - blanks and tabs outside double quotes separate arguments;
// - a double quote opens or closes a quoted part, which may hold blanks; "" quoted stays an
//   (empty) argument; inside a quoted part, two double quotes in a row give one literal quote;
// - 2n backslashes before a double quote give n backslashes and the quote opens or closes;
//   2n+1 backslashes before a double quote give n backslashes and a literal quote;
// - backslashes anywhere else are plain characters.
std::vector<std::string> DivideLosParametros(std::string_view parametros);

}  // namespace mirvalo::procesos
