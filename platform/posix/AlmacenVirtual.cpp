#include "platform/AlmacenVirtual.h"

#include <algorithm>
#include <array>
#include <filesystem>
#include <vector>

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

namespace mirvalo::almacen_virtual {
namespace {

namespace fs = std::filesystem;

// The folders of the root whose writes Windows redirects into the store.
constexpr std::array CarpetasVirtualizadas{"Program Files", "Program Files (x86)", "Windows", "ProgramData"};

fs::path Normalizada(const fs::path& ruta) {
    std::error_code error;
    fs::path canonica = fs::weakly_canonical(fs::absolute(ruta), error);
    return error ? fs::absolute(ruta).lexically_normal() : canonica;
}

// Whether the path lies inside the system root (the root itself counts only when `admiteLaRaiz`).
// Symbolic links are resolved first, so none leads outside.
bool EstaDentroDeLaRaiz(const fs::path& ruta, bool admiteLaRaiz) {
    const fs::path relativa = Normalizada(ruta).lexically_relative(Normalizada(sistema::Raiz()));
    if (relativa.empty() || *relativa.begin() == "..") return false;
    return admiteLaRaiz || relativa != ".";
}

bool EsSoloLectura(const fs::file_status& estado) {
    return (estado.permissions() & fs::perms::owner_write) == fs::perms::none;
}

std::u16string ParaComparar(std::string_view nombre) {
    return texto::AUtf16(texto::Mayusculas(nombre));
}

bool Coincide(std::u16string_view mascara, std::u16string_view nombre) {
    if (mascara.empty()) return nombre.empty();
    if (mascara.front() == u'*') {
        for (std::size_t i = 0; i <= nombre.size(); ++i) {
            if (Coincide(mascara.substr(1), nombre.substr(i))) return true;
        }
        return false;
    }
    if (nombre.empty()) return false;
    if (mascara.front() != u'?' && mascara.front() != nombre.front()) return false;
    return Coincide(mascara.substr(1), nombre.substr(1));
}

bool CoincideElNombre(const std::u16string& mascara, const std::string& nombre) {
    const std::u16string comparable = ParaComparar(nombre);
    if (Coincide(mascara, comparable)) return true;
    return comparable.find(u'.') == std::u16string::npos && Coincide(mascara, comparable + u'.');
}

// The entries of a folder in name order, letter case ignored, as an NTFS folder lists them.
std::vector<fs::directory_entry> Entradas(const fs::path& carpeta) {
    std::error_code error;
    std::vector<fs::directory_entry> entradas;
    for (fs::directory_iterator it(carpeta, error), fin; !error && it != fin; it.increment(error)) {
        entradas.push_back(*it);
    }
    if (error) throw Error::DesdeErrno(error.value(), "list " + carpeta.string());
    std::sort(entradas.begin(), entradas.end(), [](const auto& a, const auto& b) {
        return ParaComparar(a.path().filename().string()) < ParaComparar(b.path().filename().string());
    });
    return entradas;
}

bool EsCarpeta(const fs::directory_entry& entrada) {
    std::error_code error;
    return entrada.symlink_status(error).type() == fs::file_type::directory;
}

void Elimina(const fs::path& ruta) {
    std::error_code error;
    fs::remove(ruta, error);
    if (error) throw Error::DesdeErrno(error.value(), "remove " + ruta.string());
}

void EliminaElArbol(const fs::path& carpeta) {
    std::error_code error;
    if (EsSoloLectura(fs::symlink_status(carpeta, error)))
        throw Error::Estandar(errores::PermisoDenegado, "DeleteFolder " + carpeta.string());
    const std::vector<fs::directory_entry> entradas = Entradas(carpeta);
    for (const auto& entrada : entradas) {
        if (EsCarpeta(entrada)) continue;
        if (!entrada.is_symlink(error) && EsSoloLectura(entrada.symlink_status(error)))
            throw Error::Estandar(errores::PermisoDenegado, "DeleteFolder " + entrada.path().string());
        Elimina(entrada.path());
    }
    for (const auto& entrada : entradas) {
        if (EsCarpeta(entrada)) EliminaElArbol(entrada.path());
    }
    Elimina(carpeta);
}

}  // namespace

std::string Carpeta() {
    return sistema::Entorno("USERPROFILE") + "\\AppData\\Local\\VirtualStore";
}

std::string RutaVirtualizada(std::string_view ruta) {
    const fs::path nativa = sistema::RutaNativa(ruta);
    if (!nativa.is_absolute()) return {};
    const fs::path relativa =
        nativa.lexically_normal().lexically_relative(sistema::Raiz().lexically_normal());
    if (relativa.empty() || *relativa.begin() == "." || *relativa.begin() == "..") return {};
    const std::string primera = relativa.begin()->string();
    const bool virtualizada =
        std::any_of(CarpetasVirtualizadas.begin(), CarpetasVirtualizadas.end(),
                    [&](const char* carpeta) { return texto::IgualesSinMayusculas(primera, carpeta); });
    if (!virtualizada) return {};
    std::string resultado = Carpeta();
    for (const fs::path& parte : relativa) {
        if (parte.empty()) continue;
        resultado += '\\';
        resultado += parte.string();
    }
    return resultado;
}

void EliminaArchivos(std::string_view patron) {
    const std::string llamada = "Kill " + std::string(patron);
    const fs::path nativa = sistema::RutaNativa(patron);
    const fs::path carpeta = nativa.has_parent_path() ? nativa.parent_path() : fs::path(".");
    if (!EstaDentroDeLaRaiz(carpeta, true)) throw Error::Estandar(errores::PermisoDenegado, llamada);
    std::error_code error;
    if (!fs::is_directory(carpeta, error)) throw Error::Estandar(errores::RutaNoEncontrada, llamada);

    const std::u16string mascara = ParaComparar(nativa.filename().string());
    bool alguno = false;
    for (const auto& entrada : Entradas(carpeta)) {
        if (EsCarpeta(entrada) || !CoincideElNombre(mascara, entrada.path().filename().string())) continue;
        alguno = true;
        if (!entrada.is_symlink(error) && EsSoloLectura(entrada.symlink_status(error)))
            throw Error::Estandar(errores::ErrorDeAccesoARuta, llamada);
        Elimina(entrada.path());
    }
    if (!alguno) throw Error::Estandar(errores::ArchivoNoEncontrado, llamada);
}

void EliminaCarpeta(std::string_view carpeta) {
    const std::string llamada = "DeleteFolder " + std::string(carpeta);
    std::string_view sinSeparador = carpeta;
    while (sinSeparador.size() > 1 && (sinSeparador.back() == '\\' || sinSeparador.back() == '/'))
        sinSeparador.remove_suffix(1);
    const fs::path nativa = sistema::RutaNativa(sinSeparador);
    if (!EstaDentroDeLaRaiz(nativa, false)) throw Error::Estandar(errores::PermisoDenegado, llamada);
    std::error_code error;
    if (fs::symlink_status(nativa, error).type() != fs::file_type::directory)
        throw Error::Estandar(errores::RutaNoEncontrada, llamada);
    EliminaElArbol(nativa);
}

}  // namespace mirvalo::almacen_virtual
