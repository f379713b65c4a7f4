#include "tools/sandbox-server/SitioPublico.h"

#include "tools/sandbox-server/ServidorHttp.h"

#include <string>

namespace mirvalo::sandbox {
namespace {

std::string SinMarcas(const std::string& texto) {
    std::string limpio;
    for (char c : texto) {
        switch (c) {
            case '<': limpio += "&lt;"; break;
            case '>': limpio += "&gt;"; break;
            case '&': limpio += "&amp;"; break;
            case '"': limpio += "&quot;"; break;
            default: limpio += c;
        }
    }
    return limpio;
}

void Pagina(httplib::Response& respuesta, const std::string& titulo, const std::string& texto) {
    respuesta.set_content("<!DOCTYPE html>\n<html lang=\"es\"><head><meta charset=\"utf-8\"><title>" +
                              SinMarcas(titulo) + "</title></head>\n<body><h1>" + SinMarcas(titulo) +
                              "</h1><p>" + SinMarcas(texto) + "</p></body></html>\n",
                          "text/html; charset=utf-8");
}

}  // namespace

void SitioPublico::Registra(ServidorHttp& servidor) {
    servidor.RutaGet("/", [](const httplib::Request&, httplib::Response& respuesta) {
        Pagina(respuesta, "Mirvalo sandbox", "Web API de desarrollo: /api/v1/DownloadManager/");
    });
    servidor.RutaGet(
        "/sitio/documentos/default.aspx", [](const httplib::Request& peticion, httplib::Response& r) {
            Pagina(r, "Mirvalo - Preguntas frecuentes", "Documento " + peticion.get_param_value("aw"));
        });
    servidor.RutaGet("/sitio/descarga/", [](const httplib::Request&, httplib::Response& respuesta) {
        Pagina(respuesta, "Mirvalo - Descarga", "Descargue la versión más reciente del asistente.");
    });
    servidor.RutaGet("/sitio/contacto/", [](const httplib::Request& peticion, httplib::Response& respuesta) {
        Pagina(respuesta, "Mirvalo - Contacto", "Número de seguimiento: " + peticion.get_param_value("nds"));
    });
}

}  // namespace mirvalo::sandbox
