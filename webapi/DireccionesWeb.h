#pragma once
#include <string>
#include <string_view>

// Where the assistant finds its servers. Both hosts are build constants; the environment
// variables MIRVALO_API_URL and MIRVALO_SITE_URL (scheme and host, an optional port, as in
// "http://127.0.0.1:8080") take their place for development and tests.
namespace mirvalo::direcciones {

// The Web API server's root, without a trailing "/": "http://api.example".
std::string ServidorWebApi();
// The base address of every operation: the server's root followed by "/api/".
std::string BaseWebApi();
// The full address of one operation: "<base>v1/DownloadManager/<segmento>".
std::string Operacion(std::string_view segmento);
// The public site's root, without a trailing "/": "https://www.example".
std::string SitioPublico();

}  // namespace mirvalo::direcciones
