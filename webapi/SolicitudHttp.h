#pragma once
#include <chrono>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace mirvalo {

// How long one request may wait. The defaults are those of the Windows HTTP client the Web API
// was designed against: 60 s to connect, and 30 s for sending or receiving, taken here as
// "no byte moved for 30 s" (the transfer's speed stays under one byte per second that long).
// The idle time is counted in whole seconds, at least one.
struct TiemposDeEspera {
    std::chrono::milliseconds conexion{60'000};
    std::chrono::seconds sinDatos{30};
};

// One synchronous HTTP/1.1 request, in the shape the Web API client uses it: open with a method
// and an absolute address, set headers, send a text body and wait for the whole answer, then read
// the status and the answer text.
//
// What goes on the wire: the request line, "Host", the headers set here in their order,
// "Accept: */*" unless one is set, "Content-Length" (also for GET, whose body is sent like any other;
// HEAD sends no body) and nothing else: no User-Agent, no "Expect: 100-continue", no proxy (the environment's
// proxy variables are ignored, as the Windows client ignores them). Redirections are not followed: a 3xx is
// the answer. Only "http" and "https" addresses are accepted.
class SolicitudHttp {
public:
    // An answer text above this size is refused (a Web API answer is a few hundred kilobytes at
    // most), so a runaway server cannot exhaust memory.
    static constexpr std::size_t TamanoMaximoDeRespuesta = 64u << 20;

    SolicitudHttp(std::string metodo, std::string direccion, TiemposDeEspera tiempos = {});

    void EstableceEncabezado(std::string nombre, std::string valor);

    // Sends `cuerpo` (UTF-8) and waits for the whole answer. A "HEAD" request sends no body.
    // A transport failure (name not resolved, connection refused or dropped, time-out, an answer
    // that is not HTTP) raises mirvalo::Error with the number of errores::http and the transport's
    // own message in Llamada(). An answer over TamanoMaximoDeRespuesta raises error 7 "Out of memory".
    void Envia(std::string_view cuerpo);

    // The answer's status code; 0 before an answer arrived.
    int Estado() const { return estado_; }
    // The answer's body as UTF-8 text: decoded by its declared character set (UTF-8 unless it
    // says ISO-8859-1 or Windows-1252), without a byte-order mark, invalid bytes replaced by U+FFFD.
    const std::string& TextoDeRespuesta() const { return texto_; }

private:
    std::string metodo_;
    std::string direccion_;
    TiemposDeEspera tiempos_;
    std::vector<std::pair<std::string, std::string>> encabezados_;
    int estado_ = 0;
    std::string texto_;
};

}  // namespace mirvalo
