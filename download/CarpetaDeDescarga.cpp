#include "download/CarpetaDeDescarga.h"

#include <filesystem>
#include <system_error>

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

namespace mirvalo::carpetas {
namespace {

namespace fs = std::filesystem;

Error ErrorDe(const std::error_code& codigo, const std::string& llamada) {
    return Error::DesdeErrno(codigo.value(), llamada);
}

bool EsSeparador(char c) {
    return c == '\\' || c == '/';
}

bool EsLetra(char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z');
}

bool EsTemporalDeUnaTransferencia(const std::string& nombre) {
    constexpr std::string_view Prefijo = "MVL";
    constexpr std::string_view Extension = ".tmp";
    if (nombre.size() < Prefijo.size() + Extension.size()) return false;
    return texto::IgualesSinMayusculas(std::string_view(nombre).substr(0, Prefijo.size()), Prefijo) &&
           texto::IgualesSinMayusculas(std::string_view(nombre).substr(nombre.size() - Extension.size()),
                                       Extension);
}

}  // namespace

bool QuedaDentro(std::string_view relativa) {
    if (!relativa.empty() && EsSeparador(relativa.front())) return false;
    if (relativa.size() >= 2 && relativa[1] == ':' && EsLetra(relativa[0])) return false;
    std::size_t inicio = 0;
    while (inicio <= relativa.size()) {
        std::size_t fin = inicio;
        while (fin < relativa.size() && !EsSeparador(relativa[fin])) ++fin;
        // Windows trims trailing blanks from a name, so ".. " would climb as well.
        std::string_view parte = relativa.substr(inicio, fin - inicio);
        while (!parte.empty() && parte.back() == ' ') parte.remove_suffix(1);
        if (parte == "..") return false;
        inicio = fin + 1;
    }
    return true;
}

std::optional<std::string> RutaDentroDe(std::string_view carpeta, std::string_view relativa) {
    if (carpeta.empty() || !QuedaDentro(relativa)) return std::nullopt;
    std::string ruta(carpeta);
    ruta += '\\';
    ruta += relativa;
    return ruta;
}

bool ExisteLaCarpeta(std::string_view carpeta) {
    std::error_code codigo;
    return fs::is_directory(sistema::RutaNativa(carpeta), codigo);
}

void CreaLaCarpeta(std::string_view carpeta) {
    const fs::path ruta = sistema::RutaNativa(carpeta);
    std::error_code codigo;
    if (ruta.empty()) throw Error::Estandar(errores::RutaNoEncontrada, "mkdir (no path)");
    fs::create_directory(ruta, codigo);
    if (codigo) throw ErrorDe(codigo, "mkdir " + ruta.string());
}

bool ExisteConElTamano(std::string_view ruta, int64_t bytes) {
    const fs::path nativa = sistema::RutaNativa(ruta);
    std::error_code codigo;
    const fs::file_status estado = fs::status(nativa, codigo);
    if (!fs::is_regular_file(estado)) return false;
    const std::uintmax_t tamano = fs::file_size(nativa, codigo);
    if (codigo) throw ErrorDe(codigo, "stat " + nativa.string());
    return bytes >= 0 && tamano == static_cast<std::uintmax_t>(bytes);
}

bool CopiaSobrescribiendo(std::string_view origen, std::string_view destino) {
    const fs::path desde = sistema::RutaNativa(origen);
    const fs::path hacia = sistema::RutaNativa(destino);
    std::error_code codigo;
    if (!fs::exists(desde, codigo)) return false;
    fs::copy_file(desde, hacia, fs::copy_options::overwrite_existing, codigo);
    if (codigo) throw ErrorDe(codigo, "copy " + desde.string() + " to " + hacia.string());
    return true;
}

void EliminaLosTemporales(std::string_view carpeta) {
    const fs::path ruta = sistema::RutaNativa(carpeta);
    std::error_code codigo;
    fs::directory_iterator entrada(ruta, codigo);
    if (codigo) throw ErrorDe(codigo, "opendir " + ruta.string());

    bool alguno = false;
    std::optional<Error> primerFallo;
    for (; entrada != fs::directory_iterator(); entrada.increment(codigo)) {
        if (codigo) break;
        const std::string nombre = entrada->path().filename().string();
        std::error_code tipo;
        if (!entrada->is_regular_file(tipo) || !EsTemporalDeUnaTransferencia(nombre)) continue;
        alguno = true;
        std::error_code borrado;
        fs::remove(entrada->path(), borrado);
        if (borrado && !primerFallo) primerFallo = ErrorDe(borrado, "unlink " + entrada->path().string());
    }
    if (codigo && !primerFallo) primerFallo = ErrorDe(codigo, "readdir " + ruta.string());
    if (primerFallo) throw *primerFallo;
    if (!alguno)
        throw Error::Estandar(errores::ArchivoNoEncontrado, "unlink " + (ruta / "MVL*.tmp").string());
}

}  // namespace mirvalo::carpetas
