#include "platform/Registro.h"

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"
#include "platform/posix/ArchivoDeRegistro.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace mirvalo::registro {
namespace {

namespace fs = std::filesystem;

std::string RutaCompleta(Rama rama, std::string_view clave) {
    std::string ruta;
    switch (rama) {
        case Rama::ClasesRaiz: ruta = "HKEY_CLASSES_ROOT"; break;
        case Rama::UsuarioActual: ruta = "HKEY_CURRENT_USER"; break;
        case Rama::MaquinaLocal: ruta = "HKEY_LOCAL_MACHINE"; break;
        case Rama::Usuarios: ruta = "HKEY_USERS"; break;
    }
    while (clave.starts_with('\\')) clave.remove_prefix(1);
    if (!clave.empty()) {
        ruta += '\\';
        ruta += clave;
    }
    return ruta;
}

// What a current Windows holds before anything is installed: the framework versions 4 and later,
// and the policy keys.
ArchivoDeRegistro RegistroInicial() {
    ArchivoDeRegistro archivo;
    const std::string ndp = "HKEY_LOCAL_MACHINE\\SOFTWARE\\Microsoft\\NET Framework Setup\\NDP";
    for (const char* perfil : {"\\v4\\Client", "\\v4\\Full"}) {
        ClaveDeRegistro& clave = archivo.Crea(ndp + perfil);
        ArchivoDeRegistro::EstableceValor(clave, {"Install", uint32_t{1}});
        ArchivoDeRegistro::EstableceValor(clave, {"Release", uint32_t{528040}});
        ArchivoDeRegistro::EstableceValor(clave, {"Version", std::string("4.8.04084")});
    }
    ArchivoDeRegistro::EstableceValor(archivo.Crea(ndp + "\\v4.0\\Client"), {"Install", uint32_t{1}});
    archivo.Crea("HKEY_LOCAL_MACHINE\\SOFTWARE\\Policies");
    archivo.Crea("HKEY_CURRENT_USER\\Software\\Policies");
    archivo.Crea("HKEY_CLASSES_ROOT");
    archivo.Crea("HKEY_USERS");
    return archivo;
}

std::string LeeElArchivo(const fs::path& ruta) {
    std::ifstream entrada(ruta, std::ios::binary);
    if (!entrada) throw Error::DesdeErrno(errno, "open " + ruta.string());
    std::ostringstream texto;
    texto << entrada.rdbuf();
    if (entrada.bad()) throw Error::Estandar(errores::ErrorDeEntradaSalida, "read " + ruta.string());
    return texto.str();
}

// Written beside the file and renamed over it, so a reader never sees half a registry.
void GuardaElArchivo(const fs::path& ruta, const ArchivoDeRegistro& archivo) {
    const fs::path temporal = ruta.string() + ".tmp";
    {
        std::ofstream salida(temporal, std::ios::binary | std::ios::trunc);
        if (!salida) throw Error::DesdeErrno(errno, "open " + temporal.string());
        salida << archivo.Texto();
        salida.flush();
        if (!salida) throw Error::Estandar(errores::DiscoLleno, "write " + temporal.string());
    }
    std::error_code error;
    fs::rename(temporal, ruta, error);
    if (error) throw Error::DesdeErrno(error.value(), "rename " + ruta.string());
}

// Holds the registry's lock (a file beside it) for one operation: the assistant and the programs
// it starts may change the registry at the same time.
class BloqueoDelRegistro {
public:
    explicit BloqueoDelRegistro(const fs::path& raiz) {
        const fs::path ruta = raiz / "registry.lock";
        descriptor_ = open(ruta.c_str(), O_RDWR | O_CREAT | O_CLOEXEC, 0644);
        if (descriptor_ < 0) throw Error::DesdeErrno(errno, "open " + ruta.string());
        while (flock(descriptor_, LOCK_EX) < 0) {
            if (errno != EINTR) {
                const int numero = errno;
                close(descriptor_);
                throw Error::DesdeErrno(numero, "flock " + ruta.string());
            }
        }
    }
    ~BloqueoDelRegistro() { close(descriptor_); }
    BloqueoDelRegistro(const BloqueoDelRegistro&) = delete;
    BloqueoDelRegistro& operator=(const BloqueoDelRegistro&) = delete;

private:
    int descriptor_;
};

// Runs `operacion` on the registry's contents; writes them back when `cambia` says so.
template <typename Operacion>
auto ConElRegistro(bool cambia, Operacion operacion) {
    const fs::path raiz = sistema::Raiz();
    const fs::path ruta = raiz / "registry.txt";
    BloqueoDelRegistro bloqueo(raiz);
    std::error_code error;
    ArchivoDeRegistro archivo;
    if (fs::exists(ruta, error)) {
        archivo = ArchivoDeRegistro::Lee(LeeElArchivo(ruta));
    } else {
        archivo = RegistroInicial();
        GuardaElArchivo(ruta, archivo);
    }
    if constexpr (std::is_void_v<decltype(operacion(archivo))>) {
        operacion(archivo);
        if (cambia) GuardaElArchivo(ruta, archivo);
    } else {
        auto resultado = operacion(archivo);
        if (cambia) GuardaElArchivo(ruta, archivo);
        return resultado;
    }
}

template <typename Tipo>
std::optional<Tipo> LeeValor(Rama rama, std::string_view clave, std::string_view nombre) {
    return ConElRegistro(false, [&](ArchivoDeRegistro& archivo) -> std::optional<Tipo> {
        const ClaveDeRegistro* encontrada = archivo.Busca(RutaCompleta(rama, clave));
        if (!encontrada) return std::nullopt;
        const ValorDeRegistro* valor = ArchivoDeRegistro::BuscaValor(*encontrada, nombre);
        if (!valor) return std::nullopt;
        const Tipo* dato = std::get_if<Tipo>(&valor->dato);
        if (!dato) throw Error::Estandar(errores::TiposNoCoinciden, "registry value " + std::string(nombre));
        return *dato;
    });
}

void EscribeValor(Rama rama, std::string_view clave, ValorDeRegistro valor) {
    ConElRegistro(true, [&](ArchivoDeRegistro& archivo) {
        ArchivoDeRegistro::EstableceValor(archivo.Crea(RutaCompleta(rama, clave)), std::move(valor));
    });
}

}  // namespace

bool ExisteLaClave(Rama rama, std::string_view clave) {
    return ConElRegistro(
        false, [&](ArchivoDeRegistro& archivo) { return archivo.Existe(RutaCompleta(rama, clave)); });
}

void CreaLaClave(Rama rama, std::string_view clave) {
    ConElRegistro(true, [&](ArchivoDeRegistro& archivo) { archivo.Crea(RutaCompleta(rama, clave)); });
}

std::vector<std::string> Subclaves(Rama rama, std::string_view clave) {
    return ConElRegistro(false, [&](ArchivoDeRegistro& archivo) {
        const std::string ruta = RutaCompleta(rama, clave);
        if (!archivo.Existe(ruta))
            throw Error::Estandar(errores::ArchivoNoEncontrado, "registry key " + ruta);
        return archivo.Subclaves(ruta);
    });
}

std::optional<uint32_t> LeeDword(Rama rama, std::string_view clave, std::string_view valor) {
    return LeeValor<uint32_t>(rama, clave, valor);
}

std::optional<std::string> LeeTexto(Rama rama, std::string_view clave, std::string_view valor) {
    return LeeValor<std::string>(rama, clave, valor);
}

void EscribeDword(Rama rama, std::string_view clave, std::string_view valor, uint32_t dato) {
    EscribeValor(rama, clave, {std::string(valor), dato});
}

void EscribeTexto(Rama rama, std::string_view clave, std::string_view valor, std::string_view dato) {
    EscribeValor(rama, clave, {std::string(valor), std::string(dato)});
}

void BorraElValor(Rama rama, std::string_view clave, std::string_view valor) {
    ConElRegistro(true, [&](ArchivoDeRegistro& archivo) {
        const std::string ruta = RutaCompleta(rama, clave);
        if (archivo.Busca(ruta)) ArchivoDeRegistro::BorraValor(archivo.Crea(ruta), valor);
    });
}

void BorraLaClave(Rama rama, std::string_view clave) {
    // A branch itself cannot be deleted, as on Windows.
    if (clave.find_first_not_of('\\') == std::string_view::npos)
        throw Error::Estandar(errores::LlamadaNoValida, "delete registry branch");
    ConElRegistro(true, [&](ArchivoDeRegistro& archivo) { archivo.Borra(RutaCompleta(rama, clave)); });
}

}  // namespace mirvalo::registro
