#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

// The Windows registry: keys, text (REG_SZ) and 32-bit (REG_DWORD) values. Key and value names
// ignore letter case, as on Windows; `clave` is a path below the branch, parts separated by
// backslashes ("SOFTWARE\Microsoft\NET Framework Setup\NDP"); "" names a key's default value.
// Every operation is a fresh look at the registry.
//
// On the POSIX emulation the registry is the text file registry.txt in the system root, created
// on first use (see posix/ArchivoDeRegistro.h for its format). The fresh registry holds the
// framework versions 4 and later and no .NET Framework 2.0, like a current Windows whose
// feature ".NET Framework 3.5" is off.
namespace mirvalo::registro {

enum class Rama {
    ClasesRaiz,     // HKEY_CLASSES_ROOT
    UsuarioActual,  // HKEY_CURRENT_USER
    MaquinaLocal,   // HKEY_LOCAL_MACHINE
    Usuarios,       // HKEY_USERS
};

bool ExisteLaClave(Rama rama, std::string_view clave);
// Creates the key and any missing key above it; nothing when it exists.
void CreaLaClave(Rama rama, std::string_view clave);
// The names of the key's direct subkeys, in the order Windows enumerates them (alphabetical,
// letter case ignored). Error 53 "File not found" when the key does not exist.
std::vector<std::string> Subclaves(Rama rama, std::string_view clave);

// Nothing when the key or the value does not exist; Error 13 "Type mismatch" when the value
// holds the other type.
std::optional<uint32_t> LeeDword(Rama rama, std::string_view clave, std::string_view valor);
std::optional<std::string> LeeTexto(Rama rama, std::string_view clave, std::string_view valor);

// Sets the value, replacing one of the same name whatever its type; creates the key as needed.
void EscribeDword(Rama rama, std::string_view clave, std::string_view valor, uint32_t dato);
void EscribeTexto(Rama rama, std::string_view clave, std::string_view valor, std::string_view dato);

// Nothing when the value or the key does not exist. A key is deleted with all its subkeys.
void BorraElValor(Rama rama, std::string_view clave, std::string_view valor);
void BorraLaClave(Rama rama, std::string_view clave);

}  // namespace mirvalo::registro
