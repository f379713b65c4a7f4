#pragma once
#include <cstdint>
#include <filesystem>
#include <optional>

namespace mirvalo {

// The shell's special-folder identifiers (CSIDL values) that the assistant asks for.
namespace csidl {
inline constexpr int32_t Desktop = 0;              // CSIDL_DESKTOP: the user's desktop
inline constexpr int32_t Programs = 2;             // CSIDL_PROGRAMS: the user's Start-menu programs
inline constexpr int32_t Personal = 5;             // CSIDL_PERSONAL: the user's documents
inline constexpr int32_t Startup = 7;              // CSIDL_STARTUP
inline constexpr int32_t StartMenu = 11;           // CSIDL_STARTMENU: the user's Start menu
inline constexpr int32_t DesktopDirectory = 16;    // CSIDL_DESKTOPDIRECTORY
inline constexpr int32_t Fonts = 20;               // CSIDL_FONTS
inline constexpr int32_t CommonStartMenu = 22;     // CSIDL_COMMON_STARTMENU: the all-users Start menu
inline constexpr int32_t CommonPrograms = 23;      // CSIDL_COMMON_PROGRAMS
inline constexpr int32_t CommonStartup = 24;       // CSIDL_COMMON_STARTUP
inline constexpr int32_t CommonDesktop = 25;       // CSIDL_COMMON_DESKTOPDIRECTORY
inline constexpr int32_t AppData = 26;             // CSIDL_APPDATA: roaming application data
inline constexpr int32_t LocalAppData = 28;        // CSIDL_LOCAL_APPDATA
inline constexpr int32_t CommonAppData = 35;       // CSIDL_COMMON_APPDATA: ProgramData
inline constexpr int32_t Windows = 36;             // CSIDL_WINDOWS
inline constexpr int32_t System = 37;              // CSIDL_SYSTEM: System32
inline constexpr int32_t ProgramFiles = 38;        // CSIDL_PROGRAM_FILES
inline constexpr int32_t Profile = 40;             // CSIDL_PROFILE: the user's profile
inline constexpr int32_t SystemX86 = 41;           // CSIDL_SYSTEMX86: SysWOW64
inline constexpr int32_t ProgramFilesX86 = 42;     // CSIDL_PROGRAM_FILESX86
inline constexpr int32_t CommonProgramFiles = 43;  // CSIDL_PROGRAM_FILES_COMMON
inline constexpr int32_t CommonDocuments = 46;     // CSIDL_COMMON_DOCUMENTS
inline constexpr int32_t FlagCreate = 0x8000;      // CSIDL_FLAG_CREATE: create the folder if missing
}  // namespace csidl

namespace sistema {

// The folder of a special-folder identifier, or nothing when the identifier is unknown or the
// folder does not exist (with csidl::FlagCreate added, a missing folder is created first).
// On the POSIX emulation the folders lie in the system root, where Windows keeps them, below the
// values of Entorno ("USERPROFILE", "APPDATA", "windir", "ProgramFiles"...).
std::optional<std::filesystem::path> CarpetaEspecial(int32_t identificador);

}  // namespace sistema
}  // namespace mirvalo
