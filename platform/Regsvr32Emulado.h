#pragma once
#include <string>
#include <vector>

// The library registration tool "regsvr32" of the POSIX emulation, which the process runner starts
// in place of the real one. Like the real tool it takes options (/s silent, /u unregister, /i[:text]
// install, /n with /i only, /c; '-' as well as '/', any letter case) and one or more libraries; a
// library is "loaded" when it is a file with a Windows program header ("MZ"), looked for, when given
// without a folder, in windir's System32, in windir and in the current folder. For each library it
// records the entry points it would call in the system root's "registrations.txt", appended, one
// line each: "DllRegisterServer\t<library as given>", "DllUnregisterServer\t<library>", or
// "DllInstall\t<library>\tinstall|uninstall\t<text of /i>"; the file is the history of every
// registration. Without /s, what the real tool would show in a message box goes to the journal.
namespace mirvalo::procesos {

// The real tool's exit codes.
namespace regsvr32 {
inline constexpr int Correcto = 0;
inline constexpr int ArgumentosNoValidos = 1;  // FAIL_ARGS
inline constexpr int NoSeCargo = 3;            // FAIL_LOAD: the library could not be loaded
}  // namespace regsvr32

// `argumentos` are the tool's arguments without the program name ({"/s", "C:\...\x.dll"}). Every
// library is tried, in order; the exit code is the first failure's, or 0.
int EjecutaRegsvr32(const std::vector<std::string>& argumentos);

// The libraries registered now: those whose last recorded call was DllRegisterServer, in the order of their
// first registration; paths as they were given, compared without regard to letter case.
std::vector<std::string> BibliotecasRegistradas();

}  // namespace mirvalo::procesos
