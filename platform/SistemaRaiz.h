#pragma once
#include <filesystem>
#include <string>
#include <string_view>

// The POSIX emulation keeps the whole emulated Windows system inside one folder tree, the system
// root, so the wizard runs and is tested here and never writes outside it.
//
// The tree, created on first use (<user> is the login name):
//   Windows/  System32/  SysWOW64/  Fonts/  Temp/
//   Program Files/Common Files/          Program Files (x86)/Common Files/
//   ProgramData/Microsoft/Windows/Start Menu/Programs/Startup/     (the all-users Start menu)
//   Users/Public/  Desktop/  Documents/                            (the all-users desktop)
//   Users/<user>/  Desktop/  Documents/  AppData/Local/Temp/  AppData/Local/VirtualStore/
//                  AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Startup/
//   journal.log    what the emulation did in place of a Windows facility
//   registry.txt   the emulated registry (platform/Registro.h)
namespace mirvalo::sistema {

// The folder named by MIRVALO_SYSTEM_ROOT, or "mirvalo/sistema" under the user's data folder
// ($XDG_DATA_HOME, else ~/.local/share). Created, with the emulated Windows folders, on first use.
// The variable is read at every call: a process that changes it gets the new root, prepared.
std::filesystem::path Raiz();

// An environment variable. "ProgramFiles", "windir" and "USERPROFILE" point into the system root
// unless they are set; so do "ProgramFiles(x86)", "CommonProgramFiles", "SystemRoot",
// "ProgramData"/"ALLUSERSPROFILE", "PUBLIC", "APPDATA", "LOCALAPPDATA" and "TEMP"/"TMP" (the last
// three below USERPROFILE); "SystemDrive" is "C:" and "USERNAME" the login name. Names of these
// defaults ignore letter case, as on Windows. Empty text when unset.
std::string Entorno(std::string_view nombre);

// A path as the assistant writes it (backslashes, as on Windows) turned into a native path.
// Backslashes become '/'. The emulation has one drive, the system root: "C:\Windows" (any drive
// letter) is <root>/Windows, and a path that starts with one backslash (the current drive's root
// on Windows) starts at the system root too; "\\server\share" becomes <root>/UNC/server/share.
// A path that starts with '/' is native already (the values of Entorno and of the special
// folders are) and is kept; a relative path stays relative. Letter case is kept: the emulated
// file system tells "Windows" from "WINDOWS".
std::filesystem::path RutaNativa(std::string_view ruta);

// Appends a line to the system root's journal ("journal.log"): the trace of what the emulation
// did in place of a Windows facility (shell opens, fonts added to the running system...).
// Line breaks inside the text become blanks, so every entry is one line.
void AnotaEnElDiario(std::string_view linea);

// The login name of the account that runs the process (the emulated profile's folder name).
std::string NombreDelUsuario();

}  // namespace mirvalo::sistema
