#include "platform/Procesos.h"

#include "platform/Error.h"
#include "platform/LineaDeOrdenes.h"
#include "platform/SistemaRaiz.h"
#include "platform/posix/ProcesosHijos.h"
#include "platform/posix/ProgramasEmulados.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <optional>

extern char** environ;

namespace mirvalo::procesos {
namespace {

namespace fs = std::filesystem;

std::string ParaElDiario(const std::vector<std::string>& argumentos) {
    std::string linea;
    for (const std::string& argumento : argumentos) {
        if (!linea.empty()) linea += ' ';
        const bool conComillas = argumento.empty() || argumento.find_first_of(" \t") != std::string::npos;
        linea += conComillas ? "\"" + argumento + "\"" : argumento;
    }
    return linea;
}

bool EsArchivo(const fs::path& ruta) {
    std::error_code error;
    return fs::is_regular_file(ruta, error);
}

std::optional<fs::path> ConExtensionExe(const fs::path& ruta) {
    if (EsArchivo(ruta)) return ruta;
    fs::path conExe = ruta.string() + ".exe";
    if (!ruta.has_extension() && EsArchivo(conExe)) return conExe;
    return std::nullopt;
}

fs::path UbicaElPrograma(std::string_view programa) {
    const bool conCarpeta = programa.find_first_of("\\/:") != std::string_view::npos;
    std::optional<fs::path> encontrado;
    if (conCarpeta) {
        encontrado = ConExtensionExe(sistema::RutaNativa(programa));
    } else {
        const fs::path windows = sistema::RutaNativa(sistema::Entorno("windir"));
        std::error_code error;
        for (const fs::path& carpeta : {fs::current_path(error), windows / "System32", windows}) {
            if ((encontrado = ConExtensionExe(carpeta / std::string(programa)))) break;
        }
    }
    if (!encontrado) throw Error::Estandar(errores::ArchivoNoEncontrado, "start " + std::string(programa));
    return *encontrado;
}

// Windows runs any program file; POSIX only one with the execute permission. A program file of
// this account that lacks it (a download keeps no permission bits) gets it for its owner.
void PermiteEjecutar(const fs::path& programa) {
    struct stat datos {};
    if (access(programa.c_str(), X_OK) == 0 || stat(programa.c_str(), &datos) != 0) return;
    if (datos.st_uid == geteuid()) chmod(programa.c_str(), (datos.st_mode & 07777) | S_IXUSR);
}

// The child's environment: this process's, plus the emulated Windows variables it lacks, so a
// program of the product finds the same folders as the assistant.
std::vector<std::string> EntornoDelHijo() {
    std::vector<std::string> entorno;
    for (char** variable = environ; variable && *variable; ++variable) entorno.emplace_back(*variable);
    for (const char* nombre : {"ProgramFiles", "ProgramFiles(x86)", "windir", "SystemRoot", "USERPROFILE",
                               "APPDATA", "LOCALAPPDATA", "ProgramData"}) {
        if (!std::getenv(nombre)) entorno.push_back(std::string(nombre) + "=" + sistema::Entorno(nombre));
    }
    if (!std::getenv("MIRVALO_SYSTEM_ROOT"))
        entorno.push_back("MIRVALO_SYSTEM_ROOT=" + sistema::Raiz().string());
    return entorno;
}

pid_t IniciaElArchivo(const std::vector<std::string>& programaYArgumentos, Ventana ventana) {
    Hijo hijo;
    hijo.programa = UbicaElPrograma(programaYArgumentos[0]);
    hijo.argumentos = programaYArgumentos;
    hijo.argumentos[0] = hijo.programa.string();
    hijo.entorno = EntornoDelHijo();
    hijo.oculto = ventana == Ventana::Oculta;
    PermiteEjecutar(hijo.programa);
    const pid_t id = IniciaHijo(hijo);
    sistema::AnotaEnElDiario("start: " + ParaElDiario(programaYArgumentos));
    return id;
}

int EjecutaEmulado(ProgramaEmulado programa, const std::vector<std::string>& programaYArgumentos) {
    sistema::AnotaEnElDiario("start: " + ParaElDiario(programaYArgumentos));
    const std::vector<std::string> argumentos(programaYArgumentos.begin() + 1, programaYArgumentos.end());
    try {
        return programa(argumentos);
    } catch (const std::exception& error) {
        // As a real tool would, the emulated one ends with a failure code of its own.
        sistema::AnotaEnElDiario(programaYArgumentos[0] + ": " + error.what());
        return 1;
    }
}

void CompruebaQueHayPrograma(const std::vector<std::string>& programaYArgumentos) {
    if (programaYArgumentos.empty() || programaYArgumentos[0].empty())
        throw Error::Estandar(errores::ArchivoNoEncontrado, "start (empty command line)");
}

}  // namespace

int64_t Inicia(const std::vector<std::string>& programaYArgumentos, Ventana ventana) {
    CompruebaQueHayPrograma(programaYArgumentos);
    // An emulated tool is done before this returns: only its exit code is lost, as nobody waits.
    if (ProgramaEmulado emulado = BuscaProgramaEmulado(programaYArgumentos[0])) {
        EjecutaEmulado(emulado, programaYArgumentos);
        return 0;
    }
    const pid_t id = IniciaElArchivo(programaYArgumentos, ventana);
    RecogeAlTerminar(id);
    return id;
}

int64_t Inicia(std::string_view lineaDeOrdenes, Ventana ventana) {
    return Inicia(DivideLaLineaDeOrdenes(lineaDeOrdenes), ventana);
}

int32_t IniciaYEspera(const std::vector<std::string>& programaYArgumentos, Ventana ventana) {
    CompruebaQueHayPrograma(programaYArgumentos);
    if (ProgramaEmulado emulado = BuscaProgramaEmulado(programaYArgumentos[0]))
        return EjecutaEmulado(emulado, programaYArgumentos);
    return EsperaAlHijo(IniciaElArchivo(programaYArgumentos, ventana), programaYArgumentos[0]);
}

int32_t IniciaYEspera(std::string_view lineaDeOrdenes, Ventana ventana) {
    return IniciaYEspera(DivideLaLineaDeOrdenes(lineaDeOrdenes), ventana);
}

void TerminaElProceso(int32_t codigo) {
    std::fflush(nullptr);
    std::_Exit(codigo);
}

}  // namespace mirvalo::procesos
