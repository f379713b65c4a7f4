#include "platform/SistemaRaiz.h"

#include "platform/Error.h"
#include "platform/Texto.h"

#include <fcntl.h>
#include <pwd.h>
#include <unistd.h>

#include <array>
#include <cerrno>
#include <cstdlib>
#include <mutex>
#include <optional>
#include <system_error>

namespace mirvalo::sistema {
namespace {

namespace fs = std::filesystem;

std::string VariableReal(const char* nombre) {
    const char* valor = std::getenv(nombre);
    return valor ? std::string(valor) : std::string();
}

fs::path CarpetaPersonalPosix() {
    if (std::string home = VariableReal("HOME"); !home.empty()) return home;
    if (const passwd* cuenta = getpwuid(geteuid()); cuenta && cuenta->pw_dir) return cuenta->pw_dir;
    return fs::temp_directory_path();
}

fs::path RaizConfigurada() {
    if (std::string raiz = VariableReal("MIRVALO_SYSTEM_ROOT"); !raiz.empty()) return fs::absolute(raiz);
    std::string datos = VariableReal("XDG_DATA_HOME");
    // The XDG rules ignore a relative XDG_DATA_HOME.
    fs::path base = !datos.empty() && fs::path(datos).is_absolute() ? fs::path(datos)
                                                                    : CarpetaPersonalPosix() / ".local/share";
    return base / "mirvalo" / "sistema";
}

void CreaCarpetas(const fs::path& carpeta) {
    std::error_code error;
    fs::create_directories(carpeta, error);
    if (error) throw Error::DesdeErrno(error.value(), "create_directories " + carpeta.string());
}

// The folders of a fresh emulated Windows installation (see SistemaRaiz.h for the tree).
void PreparaElArbol(const fs::path& raiz) {
    const std::string usuario = "Users/" + NombreDelUsuario();
    static constexpr std::array comunes{
        "Windows/System32",
        "Windows/SysWOW64",
        "Windows/Fonts",
        "Windows/Temp",
        "Program Files/Common Files",
        "Program Files (x86)/Common Files",
        "ProgramData/Microsoft/Windows/Start Menu/Programs/Startup",
        "Users/Public/Desktop",
        "Users/Public/Documents",
    };
    static constexpr std::array delUsuario{
        "/Desktop",
        "/Documents",
        "/AppData/Local/Temp",
        "/AppData/Local/VirtualStore",
        "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs/Startup",
    };
    for (const char* carpeta : comunes) CreaCarpetas(raiz / carpeta);
    for (const char* carpeta : delUsuario) CreaCarpetas(raiz / (usuario + carpeta));
}

// Where the tree has been prepared already. The root follows MIRVALO_SYSTEM_ROOT at every call, so a
// change of that variable (each test sets its own) simply prepares the new root.
std::mutex raizMutex;
std::optional<fs::path> raizPreparada;

std::string Texto(const fs::path& ruta) {
    return ruta.string();
}

}  // namespace

std::filesystem::path Raiz() {
    fs::path raiz = RaizConfigurada();
    std::lock_guard bloqueo(raizMutex);
    std::error_code error;
    if (raizPreparada != raiz || !fs::is_directory(raiz / "Windows", error)) {
        PreparaElArbol(raiz);
        raizPreparada = raiz;
    }
    return raiz;
}

std::string NombreDelUsuario() {
    if (const passwd* cuenta = getpwuid(geteuid()); cuenta && cuenta->pw_name && *cuenta->pw_name)
        return cuenta->pw_name;
    if (std::string usuario = VariableReal("USER"); !usuario.empty()) return usuario;
    return "Usuario";
}

std::string Entorno(std::string_view nombre) {
    const std::string variable(nombre);
    if (const char* valor = std::getenv(variable.c_str())) return valor;

    // Windows' variable names ignore letter case.
    auto es = [&](std::string_view otro) { return texto::IgualesSinMayusculas(nombre, otro); };
    if (es("ProgramFiles") || es("ProgramW6432")) return Texto(Raiz() / "Program Files");
    if (es("ProgramFiles(x86)")) return Texto(Raiz() / "Program Files (x86)");
    if (es("CommonProgramFiles")) return Texto(Raiz() / "Program Files/Common Files");
    if (es("windir") || es("SystemRoot")) return Texto(Raiz() / "Windows");
    if (es("SystemDrive")) return "C:";
    if (es("ProgramData") || es("ALLUSERSPROFILE")) return Texto(Raiz() / "ProgramData");
    if (es("PUBLIC")) return Texto(Raiz() / "Users/Public");
    if (es("USERPROFILE")) return Texto(Raiz() / "Users" / NombreDelUsuario());
    if (es("USERNAME")) return NombreDelUsuario();
    if (es("APPDATA")) return Texto(RutaNativa(Entorno("USERPROFILE")) / "AppData/Roaming");
    if (es("LOCALAPPDATA")) return Texto(RutaNativa(Entorno("USERPROFILE")) / "AppData/Local");
    if (es("TEMP") || es("TMP")) return Texto(RutaNativa(Entorno("LOCALAPPDATA")) / "Temp");
    return {};
}

std::filesystem::path RutaNativa(std::string_view ruta) {
    std::string texto(ruta);
    for (char& c : texto)
        if (c == '\\') c = '/';

    // "X:" starts a path on the one emulated drive: the system root. "X:rest" (relative to the
    // drive's current folder on Windows) is taken from the drive's root as well.
    const bool conUnidad = texto.size() >= 2 && texto[1] == ':' &&
                           ((texto[0] >= 'A' && texto[0] <= 'Z') || (texto[0] >= 'a' && texto[0] <= 'z'));
    if (conUnidad) {
        std::string resto = texto.substr(2);
        while (!resto.empty() && resto.front() == '/') resto.erase(0, 1);
        return resto.empty() ? Raiz() : Raiz() / resto;
    }
    // A backslash at the start is the root of the current drive on Windows; two start a network
    // path, kept under "UNC". A slash at the start is a native path already (the values of
    // Entorno and of the special folders are).
    if (ruta.starts_with("\\\\")) return Raiz() / "UNC" / texto.substr(2);
    if (ruta.starts_with("\\")) {
        std::string resto = texto.substr(1);
        return resto.empty() ? Raiz() : Raiz() / resto;
    }
    return texto;
}

void AnotaEnElDiario(std::string_view linea) {
    std::string texto(linea);
    // One entry, one line.
    for (char& c : texto)
        if (c == '\n' || c == '\r') c = ' ';
    texto += '\n';

    const fs::path diario = Raiz() / "journal.log";
    // O_APPEND and a single write keep the lines of concurrent processes whole.
    int descriptor = open(diario.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) throw Error::DesdeErrno(errno, "open " + diario.string());
    ssize_t escritos = write(descriptor, texto.data(), texto.size());
    int errorDeEscritura = errno;
    close(descriptor);
    if (escritos < 0) throw Error::DesdeErrno(errorDeEscritura, "write " + diario.string());
    if (static_cast<size_t>(escritos) != texto.size())
        throw Error::Estandar(errores::DiscoLleno, "write " + diario.string());
}

}  // namespace mirvalo::sistema
