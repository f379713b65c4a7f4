#include "platform/CarpetasEspeciales.h"

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"

#include <string>
#include <system_error>

namespace mirvalo::sistema {
namespace {

namespace fs = std::filesystem;

fs::path Variable(const char* nombre) {
    return RutaNativa(Entorno(nombre));
}

std::optional<fs::path> Ubicacion(int32_t identificador) {
    const char* const menuInicio = "Microsoft/Windows/Start Menu";
    switch (identificador) {
        case csidl::Desktop:
        case csidl::DesktopDirectory: return Variable("USERPROFILE") / "Desktop";
        case csidl::Programs: return Variable("APPDATA") / menuInicio / "Programs";
        case csidl::Personal: return Variable("USERPROFILE") / "Documents";
        case csidl::Startup: return Variable("APPDATA") / menuInicio / "Programs/Startup";
        case csidl::StartMenu: return Variable("APPDATA") / menuInicio;
        case csidl::Fonts: return Variable("windir") / "Fonts";
        case csidl::CommonStartMenu: return Variable("ProgramData") / menuInicio;
        case csidl::CommonPrograms: return Variable("ProgramData") / menuInicio / "Programs";
        case csidl::CommonStartup: return Variable("ProgramData") / menuInicio / "Programs/Startup";
        case csidl::CommonDesktop: return Variable("PUBLIC") / "Desktop";
        case csidl::AppData: return Variable("APPDATA");
        case csidl::LocalAppData: return Variable("LOCALAPPDATA");
        case csidl::CommonAppData: return Variable("ProgramData");
        case csidl::Windows: return Variable("windir");
        case csidl::System: return Variable("windir") / "System32";
        case csidl::ProgramFiles: return Variable("ProgramFiles");
        case csidl::Profile: return Variable("USERPROFILE");
        case csidl::SystemX86: return Variable("windir") / "SysWOW64";
        case csidl::ProgramFilesX86: return Variable("ProgramFiles(x86)");
        case csidl::CommonProgramFiles: return Variable("CommonProgramFiles");
        case csidl::CommonDocuments: return Variable("PUBLIC") / "Documents";
        default: return std::nullopt;
    }
}

}  // namespace

std::optional<std::filesystem::path> CarpetaEspecial(int32_t identificador) {
    std::optional<fs::path> carpeta = Ubicacion(identificador & ~csidl::FlagCreate);
    if (!carpeta || carpeta->empty()) return std::nullopt;
    // A value set with a trailing separator must not give the folder one.
    fs::path limpia = carpeta->lexically_normal();
    if (limpia.has_relative_path() && !limpia.has_filename()) limpia = limpia.parent_path();

    std::error_code error;
    if ((identificador & csidl::FlagCreate) && !fs::is_directory(limpia, error)) {
        fs::create_directories(limpia, error);
        if (error) throw Error::DesdeErrno(error.value(), "create_directories " + limpia.string());
    }
    if (!fs::is_directory(limpia, error)) return std::nullopt;
    return limpia;
}

}  // namespace mirvalo::sistema
