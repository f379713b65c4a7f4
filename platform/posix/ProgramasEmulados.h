#pragma once
#include <string>
#include <string_view>
#include <vector>

// The Windows tools that the POSIX emulation provides in place of the real ones. Each runs inside
// the calling process and returns its exit code, as the real tool would end with it.
namespace mirvalo::procesos {

// `argumentos` are the tool's arguments, without the program name: for "regsvr32 /s x.dll",
// {"/s", "x.dll"}.
using ProgramaEmulado = int (*)(const std::vector<std::string>& argumentos);

// The emulated tool for the program text of a command ("DISM", "dism.exe",
// "C:\Windows\System32\regsvr32.exe"...), or nullptr when the program is no emulated tool.
ProgramaEmulado BuscaProgramaEmulado(std::string_view programa);

}  // namespace mirvalo::procesos
