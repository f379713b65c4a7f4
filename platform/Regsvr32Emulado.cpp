#include "platform/Regsvr32Emulado.h"

#include <fcntl.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <filesystem>
#include <fstream>
#include <optional>
#include <string_view>

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

namespace mirvalo::procesos {
namespace {

namespace fs = std::filesystem;

struct Opciones {
    bool silencioso = false;
    bool desregistrar = false;
    bool instalar = false;
    bool sinRegistro = false;  // /n: DllInstall only
    std::string textoDeInstalacion;
    std::vector<std::string> bibliotecas;
};

fs::path ArchivoDeRegistros() {
    return sistema::Raiz() / "registrations.txt";
}

// A message box of the real tool, which waits for its OK; here a line of the journal.
void Muestra(const Opciones& opciones, const std::string& mensaje) {
    if (!opciones.silencioso) sistema::AnotaEnElDiario("regsvr32: " + mensaje);
}

// The real tool takes every argument that starts with '/' or '-' for an option. Here the values
// of windir and the other variables are native paths, which start with '/' too: an argument that
// is no known option and has a folder separator after its first character is a library.
bool EsUnaRuta(std::string_view argumento) {
    return argumento[0] == '/' && argumento.find_first_of("/\\", 1) != std::string_view::npos;
}

std::optional<Opciones> LeeLasOpciones(const std::vector<std::string>& argumentos, std::string& motivo) {
    Opciones opciones;
    for (const std::string& argumento : argumentos) {
        if (argumento.empty()) continue;
        if (argumento[0] != '/' && argumento[0] != '-') {
            opciones.bibliotecas.push_back(argumento);
            continue;
        }
        const std::string opcion = texto::Mayusculas(std::string_view(argumento).substr(1));
        if (opcion == "S") {
            opciones.silencioso = true;
        } else if (opcion == "U") {
            opciones.desregistrar = true;
        } else if (opcion == "N") {
            opciones.sinRegistro = true;
        } else if (opcion == "C") {
            // Console output: nothing to do here.
        } else if (opcion == "I" || opcion.starts_with("I:")) {
            opciones.instalar = true;
            if (opcion.size() > 2) opciones.textoDeInstalacion = argumento.substr(3);
        } else if (EsUnaRuta(argumento)) {
            opciones.bibliotecas.push_back(argumento);
        } else {
            motivo = "Unrecognized flag: " + argumento;
            return std::nullopt;
        }
    }
    if (opciones.bibliotecas.empty()) {
        motivo = "No DLL name specified.";
        return std::nullopt;
    }
    if (opciones.sinRegistro && !opciones.instalar) {
        motivo = "To use /n, you must also use /i.";
        return std::nullopt;
    }
    return opciones;
}

bool EsUnProgramaDeWindows(const fs::path& ruta) {
    std::error_code error;
    if (!fs::is_regular_file(ruta, error)) return false;
    std::ifstream archivo(ruta, std::ios::binary);
    char cabecera[2] = {};
    return archivo.read(cabecera, 2) && cabecera[0] == 'M' && cabecera[1] == 'Z';
}

// LoadLibrary's search for a name without a folder; a path is taken as it is.
std::optional<fs::path> CargaLaBiblioteca(const std::string& biblioteca) {
    const fs::path ruta = sistema::RutaNativa(biblioteca);
    std::vector<fs::path> candidatos;
    if (ruta.is_absolute() || ruta.has_parent_path()) {
        candidatos.push_back(ruta);
    } else {
        const fs::path windows = sistema::RutaNativa(sistema::Entorno("windir"));
        candidatos = {windows / "System32" / ruta, windows / ruta, ruta};
    }
    for (const fs::path& candidato : candidatos) {
        if (EsUnProgramaDeWindows(candidato)) return candidato;
    }
    return std::nullopt;
}

std::string Campo(std::string texto) {
    for (char& c : texto)
        if (c == '\t' || c == '\n' || c == '\r') c = ' ';
    return texto;
}

// One line, one write on a file opened for appending: lines of different runs stay whole.
void Registra(const std::vector<std::string>& campos) {
    std::string linea;
    for (const std::string& campo : campos) {
        if (!linea.empty()) linea += '\t';
        linea += Campo(campo);
    }
    linea += '\n';
    const fs::path archivo = ArchivoDeRegistros();
    const int descriptor = ::open(archivo.c_str(), O_WRONLY | O_APPEND | O_CREAT | O_CLOEXEC, 0644);
    if (descriptor < 0) throw Error::DesdeErrno(errno, "open " + archivo.string());
    const ssize_t escritos = ::write(descriptor, linea.data(), linea.size());
    const int fallo = errno;
    ::close(descriptor);
    if (escritos < 0) throw Error::DesdeErrno(fallo, "write " + archivo.string());
    if (static_cast<std::size_t>(escritos) != linea.size())
        throw Error::Estandar(errores::DiscoLleno, "write " + archivo.string());
}

int RegistraLaBiblioteca(const Opciones& opciones, const std::string& biblioteca) {
    if (!CargaLaBiblioteca(biblioteca)) {
        Muestra(opciones, "The module \"" + biblioteca + "\" failed to load.");
        return regsvr32::NoSeCargo;
    }
    // The real tool's order: DllInstall follows a registration and precedes an unregistration.
    if (opciones.desregistrar) {
        if (opciones.instalar) Registra({"DllInstall", biblioteca, "uninstall", opciones.textoDeInstalacion});
        if (!opciones.sinRegistro) Registra({"DllUnregisterServer", biblioteca});
    } else {
        if (!opciones.sinRegistro) Registra({"DllRegisterServer", biblioteca});
        if (opciones.instalar) Registra({"DllInstall", biblioteca, "install", opciones.textoDeInstalacion});
    }
    const char* llamada = opciones.sinRegistro    ? "DllInstall"
                          : opciones.desregistrar ? "DllUnregisterServer"
                                                  : "DllRegisterServer";
    Muestra(opciones, std::string(llamada) + " in " + biblioteca + " succeeded.");
    return regsvr32::Correcto;
}

}  // namespace

int EjecutaRegsvr32(const std::vector<std::string>& argumentos) {
    std::string motivo;
    const std::optional<Opciones> opciones = LeeLasOpciones(argumentos, motivo);
    if (!opciones) {
        const bool silencioso = std::any_of(argumentos.begin(), argumentos.end(), [](const std::string& a) {
            return texto::IgualesSinMayusculas(a, "/s") || texto::IgualesSinMayusculas(a, "-s");
        });
        if (!silencioso) sistema::AnotaEnElDiario("regsvr32: " + motivo);
        return regsvr32::ArgumentosNoValidos;
    }
    int codigo = regsvr32::Correcto;
    for (const std::string& biblioteca : opciones->bibliotecas) {
        const int resultado = RegistraLaBiblioteca(*opciones, biblioteca);
        if (codigo == regsvr32::Correcto) codigo = resultado;
    }
    return codigo;
}

std::vector<std::string> BibliotecasRegistradas() {
    std::vector<std::string> registradas;
    std::ifstream archivo(ArchivoDeRegistros(), std::ios::binary);
    std::string linea;
    while (std::getline(archivo, linea)) {
        const std::size_t tab = linea.find('\t');
        if (tab == std::string::npos) continue;
        const std::string_view puntoDeEntrada = std::string_view(linea).substr(0, tab);
        std::string biblioteca = linea.substr(tab + 1, linea.find('\t', tab + 1) - tab - 1);
        const auto existente =
            std::find_if(registradas.begin(), registradas.end(),
                         [&](const std::string& r) { return texto::IgualesSinMayusculas(r, biblioteca); });
        if (puntoDeEntrada == "DllRegisterServer") {
            if (existente == registradas.end()) registradas.push_back(std::move(biblioteca));
        } else if (puntoDeEntrada == "DllUnregisterServer") {
            if (existente != registradas.end()) registradas.erase(existente);
        }
    }
    return registradas;
}

}  // namespace mirvalo::procesos
