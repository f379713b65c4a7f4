#include "webapi/DireccionesWeb.h"

#include <cstdlib>

#include "platform/Construccion.h"

namespace mirvalo::direcciones {
namespace {

// The environment's value when set and not empty, otherwise the build's; a trailing "/" is
// dropped so that paths can be appended with their own leading "/".
std::string Raiz(const char* variable, const char* deLaConstruccion) {
    const char* delEntorno = std::getenv(variable);
    std::string raiz = (delEntorno != nullptr && *delEntorno != '\0') ? delEntorno : deLaConstruccion;
    while (!raiz.empty() && raiz.back() == '/') raiz.pop_back();
    return raiz;
}

}  // namespace

std::string ServidorWebApi() {
    return Raiz("MIRVALO_API_URL", construccion::UrlWebApi);
}

std::string BaseWebApi() {
    return ServidorWebApi() + "/api/";
}

std::string Operacion(std::string_view segmento) {
    return BaseWebApi() + "v1/" + "DownloadManager/" + std::string(segmento);
}

std::string SitioPublico() {
    return Raiz("MIRVALO_SITE_URL", construccion::UrlSitio);
}

}  // namespace mirvalo::direcciones
