#pragma once
#include <cstddef>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "download/HttpEncabezados.h"
#include "webapi/SolicitudHttp.h"

namespace mirvalo {

// The proxy of a connection, in the Windows form: a list of servers ("host:port", the first one
// is used) and a list of hosts reached without it (separated by ";" or blanks).
struct HttpProxy {
    std::string servidores;
    std::string excepciones;
};

// One GET over libcurl, set up in the steps of the Windows Internet API that the downloader was
// designed for (open a session, connect to a server, open a request, send it), so each step can
// fail on its own. The handles live as long as this object.
//
// What goes on the wire: "GET <path> HTTP/1.0", "Host", "User-Agent" with the agent's name and
// "Pragma: no-cache", so no cache on the way answers in the server's place. "https" is TLS with
// the certificate and the host name verified. Redirections are followed (http and https only).
// The answer's Content-Length is left to the caller, who may stop the transfer when it is reached;
// libcurl would refuse a malformed one, which the Windows client takes as "length unknown".
class HttpConexion {
public:
    enum class Final {
        Completa,  // the server ended the answer
        Detenida,  // a callback stopped the transfer
        Fallida,   // the transport failed: see Encabezados().Completo() for how far it got
    };

    HttpConexion();
    ~HttpConexion();
    HttpConexion(const HttpConexion&) = delete;
    HttpConexion& operator=(const HttpConexion&) = delete;

    // The session. Without a proxy none is used: the environment's proxy variables are ignored,
    // as the Windows client ignores them. False when libcurl gives no handle.
    bool Abre(std::string_view agente, const std::optional<HttpProxy>& proxy);
    // The server: false when `host` is not a host name or address, or `puerto` is not 1 to 65535.
    // Empty credentials send none.
    bool Conecta(std::string_view esquema, std::string_view host, int32_t puerto, std::string_view usuario,
                 std::string_view password);
    // The object path, "/..." or empty for the server's root. Blanks, control and non-ASCII bytes
    // and the few characters an address cannot carry are sent percent-encoded; a "%" is sent as it
    // is, so an address that is already encoded stays as it was. False when libcurl refuses it.
    bool PreparaPeticion(std::string_view ruta);

    // Runs the request to its end. Between waits on the network it calls on_espera; once the
    // answer's head is complete (not an interim one, not one that is followed) on_encabezados;
    // with the body's bytes as they arrive on_datos. Returning false from either stops the transfer.
    Final Ejecuta(const TiemposDeEspera& tiempos);

    // The last head received, complete or not.
    const HttpEncabezados& Encabezados() const { return encabezados_; }

    std::function<void()> on_espera;
    std::function<bool(const HttpEncabezados&)> on_encabezados;
    std::function<bool(const char*, std::size_t)> on_datos;

private:
    struct Manejadores;

    static std::size_t AlRecibirEncabezado(char* datos, std::size_t tamano, std::size_t cantidad, void* yo);
    static std::size_t AlRecibirDatos(char* datos, std::size_t tamano, std::size_t cantidad, void* yo);

    std::unique_ptr<Manejadores> manejadores_;
    HttpEncabezados encabezados_;
    bool detenida_ = false;
};

}  // namespace mirvalo
