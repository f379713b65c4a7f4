#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// The POSIX emulation keeps the whole emulated Windows system inside one folder tree, the system
// root, so the wizard runs and is tested here and never writes outside it.
namespace mirvalo::sistema {

// The folder named by MIRVALO_SYSTEM_ROOT, or "mirvalo/sistema" under the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share). Created, with the emulated Windows folders, on first use.
std::filesystem::path Raiz();

// An environment variable. "ProgramFiles", "windir" and "USERPROFILE" point into the system root
// unless they are set. Empty text when unset.
std::string Entorno(std::string_view nombre);

// A path as the assistant writes it (backslashes, as on Windows) turned into a native path.
std::filesystem::path RutaNativa(std::string_view ruta);

// Appends a line to the system root's journal ("journal.log"): the trace of what the emulation
// did in place of a Windows facility (shell opens, fonts added to the running system...).
void AnotaEnElDiario(std::string_view linea);

}  // namespace mirvalo::sistema
