#include "tools/sandbox-server/ServidorHttp.h"

#include "tools/sandbox-server/FlujoDeSocket.h"

#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

namespace mirvalo::sandbox {
namespace {

// Set only by this server on a GET that carries a body; a copy sent by a client is discarded first.
const char* const kGetConCuerpo = "X-Mirvalo-Sandbox-Get-Con-Cuerpo";

bool TraeCuerpo(const httplib::Request& peticion) {
    if (peticion.has_header("Transfer-Encoding")) return true;
    const std::string largo = peticion.get_header_value("Content-Length");
    return !largo.empty() && largo.find_first_not_of('0') != std::string::npos;
}

void MarcaElGetConCuerpo(httplib::Request& peticion) {
    peticion.headers.erase(kGetConCuerpo);
    if (peticion.method == "GET" && TraeCuerpo(peticion)) {
        // The library reads the body of a POST before routing it; the mark restores the real method.
        peticion.method = "POST";
        peticion.set_header(kGetConCuerpo, "1");
    }
}

bool EraUnGet(const httplib::Request& peticion) {
    return peticion.has_header(kGetConCuerpo);
}

void MetodoNoPermitido(httplib::Response& respuesta, const char* permitido) {
    respuesta.status = 405;
    respuesta.set_header("Allow", permitido);
    respuesta.set_content("Method not allowed\n", "text/plain");
}

}  // namespace

ServidorHttp::ServidorHttp() {
    // The library's default adds SO_REUSEPORT, with which a second server on a busy port starts without
    // complaint and silently shares the connections; only the quick rebinding after a restart is wanted.
    set_socket_options([](socket_t socket) {
        int si = 1;
        ::setsockopt(socket, SOL_SOCKET, SO_REUSEADDR, &si, sizeof si);
    });
}

void ServidorHttp::RutaGet(const std::string& patron, Handler manejador) {
    Get(patron, manejador);
    Post(patron, [manejador](const httplib::Request& peticion, httplib::Response& respuesta) {
        if (EraUnGet(peticion)) {
            manejador(peticion, respuesta);
        } else {
            MetodoNoPermitido(respuesta, "GET");
        }
    });
}

void ServidorHttp::RutaPost(const std::string& patron, Handler manejador) {
    Get(patron,
        [](const httplib::Request&, httplib::Response& respuesta) { MetodoNoPermitido(respuesta, "POST"); });
    Post(patron, [manejador](const httplib::Request& peticion, httplib::Response& respuesta) {
        if (EraUnGet(peticion)) {
            MetodoNoPermitido(respuesta, "POST");
        } else {
            manejador(peticion, respuesta);
        }
    });
}

bool ServidorHttp::EsperaOtraPeticion(socket_t socket) const {
    // Short slices, so that stopping the server does not wait for idle keep-alive connections.
    const auto limite = std::chrono::steady_clock::now() + std::chrono::milliseconds(esperaEntrePeticionesMs);
    while (svr_sock_ != INVALID_SOCKET) {
        if (EsperaQueSeaLegible(socket, 20)) return true;
        if (std::chrono::steady_clock::now() >= limite) return false;
    }
    return false;
}

bool ServidorHttp::process_and_close_socket(socket_t socket) {
    // The library writes an answer's headers and body separately; with Nagle's algorithm the body then waits
    // for the client's delayed acknowledgement (about 40 ms) on every answer of a kept-alive connection.
    int si = 1;
    ::setsockopt(socket, IPPROTO_TCP, TCP_NODELAY, &si, sizeof si);
    FlujoDeSocket flujo(socket, esperaLecturaMs, esperaEscrituraMs);
    bool correcto = false;
    for (size_t quedan = std::max<size_t>(keep_alive_max_count_, 1); quedan > 0; --quedan) {
        if (!flujo.TieneDatosPendientes() && !EsperaOtraPeticion(socket)) break;
        bool cerrada = false;
        correcto = process_request(flujo, quedan == 1, cerrada, MarcaElGetConCuerpo);
        if (!correcto || cerrada) break;
    }
    ::shutdown(socket, SHUT_RDWR);
    ::close(socket);
    return correcto;
}

}  // namespace mirvalo::sandbox
