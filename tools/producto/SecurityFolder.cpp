// SecurityFolder.exe OPERACIÓN ARGUMENTO LOG
// The sample product's security tool on the POSIX emulation. It does what the real tool does with
// rights on folders, printers and registry keys, inside the emulated system only, and then creates
// the log file, the assistant's only sign that the work is done:
//   Seguridad                CARPETA   full control for everyone on the folder and all it holds
//   Impresora                CARPETA   the same, for the printer folder
//   ImpresoraPredeterminada  ""        the log holds the default printer's name, nothing more
//   ImpresoraPredeterminar   NOMBRE    that printer becomes the default (empty: as the spooler does)
//   RegistroPolicies         CLAVE     the key is opened to everyone, in both registry branches
// Every path must lie inside the system root; the tool refuses anything else and then writes no log.
#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <string>
#include <system_error>

#include "platform/Error.h"
#include "platform/ImpresoraAdministracion.h"
#include "platform/Registro.h"
#include "platform/SistemaRaiz.h"

namespace {

namespace fs = std::filesystem;
using mirvalo::Error;
namespace errores = mirvalo::errores;
namespace sistema = mirvalo::sistema;

// The path as the assistant wrote it, refused when it does not lie inside the system root.
fs::path DentroDeLaRaiz(const std::string& ruta) {
    const fs::path raiz = fs::weakly_canonical(sistema::Raiz());
    const fs::path nativa = fs::weakly_canonical(sistema::RutaNativa(ruta));
    auto parte = nativa.begin();
    for (const fs::path& componente : raiz) {
        if (componente.empty()) continue;
        if (parte == nativa.end() || *parte != componente)
            throw Error::Estandar(errores::PermisoDenegado, "outside the system root: " + ruta);
        ++parte;
    }
    return nativa;
}

void DaControlTotal(const fs::path& ruta) {
    std::error_code codigo;
    const fs::file_status estado = fs::symlink_status(ruta, codigo);
    if (fs::is_symlink(estado)) return;  // links are never followed out of the tree
    const fs::perms todos = fs::is_directory(estado) ? fs::perms::all
                                                     : fs::perms::owner_read | fs::perms::owner_write |
                                                           fs::perms::group_read | fs::perms::group_write |
                                                           fs::perms::others_read | fs::perms::others_write;
    fs::permissions(ruta, todos, fs::perm_options::add, codigo);
    if (codigo) throw Error::DesdeErrno(codigo.value(), "chmod " + ruta.string());
}

void AbreLaCarpeta(const std::string& carpeta) {
    const fs::path ruta = DentroDeLaRaiz(carpeta);
    if (!fs::is_directory(ruta)) throw Error::Estandar(errores::RutaNoEncontrada, "folder " + ruta.string());
    DaControlTotal(ruta);
    for (const fs::directory_entry& entrada : fs::recursive_directory_iterator(ruta))
        DaControlTotal(entrada.path());
}

void AbreLaClave(const std::string& clave) {
    if (clave.empty()) throw Error::Estandar(errores::LlamadaNoValida, "registry key (empty)");
    using mirvalo::registro::Rama;
    for (Rama rama : {Rama::MaquinaLocal, Rama::UsuarioActual}) mirvalo::registro::CreaLaClave(rama, clave);
}

// Written aside and then renamed, so that the assistant never reads half a log.
void EscribeElLog(const std::string& log, const std::string& contenido) {
    const fs::path ruta = DentroDeLaRaiz(log);
    const fs::path parcial = ruta.string() + ".parcial";
    {
        std::ofstream salida(parcial, std::ios::binary | std::ios::trunc);
        salida << contenido;
        if (!salida) throw Error::Estandar(errores::PermisoDenegado, "write " + parcial.string());
    }
    fs::rename(parcial, ruta);
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s OPERACIÓN ARGUMENTO LOG\n", argv[0]);
        return 2;
    }
    const std::string operacion = argv[1];
    const std::string argumento = argv[2];
    const std::string log = argv[3];
    try {
        std::string contenido;
        if (operacion == "Seguridad" || operacion == "Impresora") {
            AbreLaCarpeta(argumento);
        } else if (operacion == "ImpresoraPredeterminada") {
            contenido = mirvalo::impresoras::Predeterminada();
        } else if (operacion == "ImpresoraPredeterminar") {
            mirvalo::impresoras::EstablecePredeterminada(argumento);
        } else if (operacion == "RegistroPolicies") {
            AbreLaClave(argumento);
        } else {
            std::fprintf(stderr, "%s: operación desconocida: %s\n", argv[0], operacion.c_str());
            return 2;
        }
        sistema::AnotaEnElDiario("SecurityFolder: " + operacion + " \"" + argumento + "\"");
        EscribeElLog(log, contenido);
        return 0;
    } catch (const Error& error) {
        sistema::AnotaEnElDiario("SecurityFolder: " + operacion + " failed: " + error.Descripcion() + " (" +
                                 error.Llamada() + ")");
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], error.Llamada().c_str(), error.Descripcion().c_str());
        return 1;
    } catch (const std::exception& error) {
        std::fprintf(stderr, "%s: %s\n", argv[0], error.what());
        return 1;
    }
}
