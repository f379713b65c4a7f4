#pragma once
#include <chrono>
#include <condition_variable>
#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <mutex>
#include <optional>
#include <set>
#include <string>
#include <string_view>
#include <thread>
#include <utility>
#include <vector>

namespace mirvalo::prueba {

// How the server answers one path: every part of the answer can be made wrong on purpose.
struct RespuestaDePrueba {
    int estado = 200;
    std::string razon = "OK";
    std::string version = "HTTP/1.0";
    std::vector<std::pair<std::string, std::string>> encabezados{};
    std::string cuerpo{};
    // The Content-Length header: the body's size, unless a text of its own is given (a wrong number,
    // "abc"); none at all when conLongitud is false.
    bool conLongitud = true;
    std::optional<std::string> longitud{};
    // The body goes out in pieces of this size, each one after the pause.
    std::size_t trozo = 64 * 1024;
    std::chrono::milliseconds pausaPorTrozo{0};
    // Drops the connection (a reset, not an orderly close) after this many bytes of the body.
    std::optional<std::size_t> cortarTras{};
    // Closes the connection as soon as the request is read, without a byte of answer.
    bool cerrarSinResponder = false;
};

// An HTTP server on 127.0.0.1, on a free port, answering each path as a test scripted it.
// Every connection gets one answer and is closed, as an HTTP/1.0 server does. A path without a
// script is answered "404 Not Found". Bytes that do not begin like an HTTP request (a TLS
// handshake) get the connection closed.
class ServidorDeArchivos {
public:
    ServidorDeArchivos();
    ~ServidorDeArchivos();
    ServidorDeArchivos(const ServidorDeArchivos&) = delete;
    ServidorDeArchivos& operator=(const ServidorDeArchivos&) = delete;

    uint16_t Puerto() const { return puerto_; }
    // "http://127.0.0.1:<port>" followed by `ruta`.
    std::string Url(std::string_view ruta) const;

    // `ruta` is the request target exactly as it arrives, percent-encoding included.
    void Responde(const std::string& ruta, RespuestaDePrueba respuesta);

    // The head of every request received, byte for byte, in order of arrival.
    std::vector<std::string> Peticiones() const;

private:
    void Acepta();
    void Atiende(int conexion);
    // Waits, unless the server is stopping; false when it is.
    bool Pausa(std::chrono::milliseconds pausa);

    int escucha_ = -1;
    uint16_t puerto_ = 0;
    mutable std::mutex mutex_;
    std::condition_variable parada_;
    bool deteniendo_ = false;
    // Shared with the connections that are still sending an answer when a test replaces it.
    std::map<std::string, std::shared_ptr<const RespuestaDePrueba>> respuestas_;
    std::vector<std::string> peticiones_;
    std::set<int> conexionesAbiertas_;
    std::vector<std::thread> hilos_;
    std::thread aceptador_;
};

}  // namespace mirvalo::prueba
