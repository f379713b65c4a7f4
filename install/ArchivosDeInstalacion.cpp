#include "install/ArchivosDeInstalacion.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <system_error>

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"

namespace mirvalo::instalacion {
namespace {

namespace fs = std::filesystem;

Error ErrorDe(const std::error_code& codigo, const std::string& llamada) {
    return Error::DesdeErrno(codigo.value(), llamada);
}

fs::path Nativa(std::string_view ruta) {
    if (ruta.empty()) throw Error::Estandar(errores::RutaNoEncontrada, "(no path)");
    return sistema::RutaNativa(ruta);
}

}  // namespace

bool ExisteElArchivo(std::string_view ruta) {
    std::error_code codigo;
    return !ruta.empty() && fs::is_regular_file(sistema::RutaNativa(ruta), codigo);
}

bool ExisteLaCarpeta(std::string_view ruta) {
    std::error_code codigo;
    return !ruta.empty() && fs::is_directory(sistema::RutaNativa(ruta), codigo);
}

void CreaLaCarpeta(std::string_view ruta) {
    const fs::path carpeta = Nativa(ruta);
    std::error_code codigo;
    fs::create_directory(carpeta, codigo);
    if (codigo) throw ErrorDe(codigo, "mkdir " + carpeta.string());
}

void QuitaLosAtributos(std::string_view ruta) {
    const fs::path nativa = Nativa(ruta);
    std::error_code codigo;
    fs::permissions(nativa, fs::perms::owner_write, fs::perm_options::add, codigo);
    if (codigo) throw ErrorDe(codigo, "chmod " + nativa.string());
}

void EliminaElArchivo(std::string_view ruta) {
    const fs::path archivo = Nativa(ruta);
    std::error_code codigo;
    if (!fs::is_regular_file(archivo, codigo))
        throw Error::Estandar(errores::ArchivoNoEncontrado, "unlink " + archivo.string());
    fs::remove(archivo, codigo);
    if (codigo) throw ErrorDe(codigo, "unlink " + archivo.string());
}

std::string LeeElArchivo(std::string_view ruta) {
    const fs::path archivo = Nativa(ruta);
    std::ifstream entrada(archivo, std::ios::binary);
    if (!entrada) throw Error::Estandar(errores::ArchivoNoEncontrado, "open " + archivo.string());
    std::string contenido((std::istreambuf_iterator<char>(entrada)), std::istreambuf_iterator<char>());
    if (entrada.bad()) throw Error::Estandar(errores::ErrorDeEntradaSalida, "read " + archivo.string());
    return contenido;
}

void CopiaSinSobrescribir(std::string_view origen, std::string_view destino) {
    const fs::path desde = Nativa(origen);
    const fs::path hacia = Nativa(destino);
    std::error_code codigo;
    if (fs::exists(fs::symlink_status(hacia, codigo)))
        throw Error::Estandar(errores::ArchivoYaExiste, "copy " + desde.string() + " to " + hacia.string());
    fs::copy_file(desde, hacia, fs::copy_options::none, codigo);
    if (codigo) throw ErrorDe(codigo, "copy " + desde.string() + " to " + hacia.string());
}

std::vector<ArchivoDeLaCarpeta> ArchivosDe(std::string_view carpeta) {
    const fs::path nativa = Nativa(carpeta);
    std::error_code codigo;
    fs::directory_iterator entrada(nativa, codigo);
    if (codigo) throw ErrorDe(codigo, "opendir " + nativa.string());
    std::vector<ArchivoDeLaCarpeta> archivos;
    for (; entrada != fs::directory_iterator(); entrada.increment(codigo)) {
        if (codigo) break;
        std::error_code tipo;
        if (!entrada->is_regular_file(tipo)) continue;
        ArchivoDeLaCarpeta archivo;
        archivo.nombre = entrada->path().filename().string();
        archivo.ruta = std::string(carpeta) + "\\" + archivo.nombre;
        const auto punto = archivo.nombre.rfind('.');
        if (punto != std::string::npos) archivo.extension = archivo.nombre.substr(punto + 1);
        archivos.push_back(std::move(archivo));
    }
    if (codigo) throw ErrorDe(codigo, "readdir " + nativa.string());
    std::sort(archivos.begin(), archivos.end(),
              [](const ArchivoDeLaCarpeta& a, const ArchivoDeLaCarpeta& b) { return a.nombre < b.nombre; });
    return archivos;
}

std::string CarpetaDe(std::string_view ruta) {
    const auto separador = ruta.find_last_of("\\/");
    return separador == std::string_view::npos ? std::string() : std::string(ruta.substr(0, separador));
}

}  // namespace mirvalo::instalacion
