#include "tools/sandbox-server/ArchivosDelProducto.h"

#include "tools/sandbox-server/ServidorHttp.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <system_error>

namespace mirvalo::sandbox {
namespace {

bool ComponenteValido(const std::string& componente) {
    return !componente.empty() && componente != "." && componente != ".." &&
           componente.find_first_of(std::string("\\\0", 2)) == std::string::npos;
}

bool EstaDentroDe(const std::filesystem::path& ruta, const std::filesystem::path& carpeta) {
    auto [finCarpeta, finRuta] = std::mismatch(carpeta.begin(), carpeta.end(), ruta.begin(), ruta.end());
    return finCarpeta == carpeta.end() && finRuta != ruta.end();
}

}  // namespace

ArchivosDelProducto::ArchivosDelProducto(std::filesystem::path carpeta) : carpeta_(std::move(carpeta)) {}

std::optional<std::filesystem::path> ArchivosDelProducto::Resuelve(const std::string& relativa) const {
    std::filesystem::path ruta = carpeta_;
    size_t inicio = 0;
    for (;;) {
        size_t barra = relativa.find('/', inicio);
        std::string componente = relativa.substr(inicio, barra == std::string::npos ? barra : barra - inicio);
        if (!ComponenteValido(componente)) return std::nullopt;
        ruta /= componente;
        if (barra == std::string::npos) break;
        inicio = barra + 1;
    }
    // A symbolic link inside the folder must not lead out of it.
    std::error_code error;
    auto real = std::filesystem::canonical(ruta, error);
    if (error) return std::nullopt;
    auto carpetaReal = std::filesystem::canonical(carpeta_, error);
    if (error || !EstaDentroDe(real, carpetaReal) || !std::filesystem::is_regular_file(real, error)) {
        return std::nullopt;
    }
    return real;
}

std::string ArchivosDelProducto::UrlDe(const std::string& relativa) {
    static const char kHex[] = "0123456789ABCDEF";
    std::string url = "/archivos/";
    for (unsigned char c : relativa) {
        bool libre = (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
                     c == '.' || c == '_' || c == '~' || c == '/';
        if (libre) {
            url += static_cast<char>(c);
        } else {
            url += '%';
            url += kHex[c >> 4];
            url += kHex[c & 0xF];
        }
    }
    return url;
}

void ArchivosDelProducto::Registra(ServidorHttp& servidor) const {
    // The library has already percent-decoded the path it matches.
    servidor.RutaGet(
        "/archivos/(.*)", [this](const httplib::Request& peticion, httplib::Response& respuesta) {
            auto ruta = Resuelve(peticion.matches[1].str());
            std::ifstream archivo;
            if (ruta) archivo.open(*ruta, std::ios::binary);
            if (!archivo.is_open()) {
                respuesta.status = 404;
                respuesta.set_content("Not found\n", "text/plain");
                return;
            }
            std::string contenido{std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>()};
            respuesta.set_content(contenido, "application/octet-stream");
        });
}

}  // namespace mirvalo::sandbox
