#pragma once
#include <cstdint>
#include <deque>
#include <mutex>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

namespace mirvalo::prueba {

// One request exactly as it arrived.
struct PeticionRecibida {
    std::string bruta;  // every byte: request line, headers, blank line, body
    std::string metodo;
    std::string ruta;
    std::string cuerpo;  // read by its Content-Length, whatever the method

    // The value of a header (name matched without case), or empty text.
    std::string Encabezado(std::string_view nombre) const;
};

// What the server does with the next request.
struct RespuestaProgramada {
    enum class Forma {
        Normal,              // a well-formed answer with `estado` and `cuerpo`
        Cruda,               // `cuerpo` sent as the whole answer, byte for byte
        CierraSinResponder,  // the connection is closed without a byte
        NoResponde,          // the connection stays open and silent until the client leaves
    };
    Forma forma = Forma::Normal;
    int estado = 200;
    std::string cuerpo;
    std::string tipoDeContenido = "application/json; charset=utf-8";

    static RespuestaProgramada Con(int estado, std::string cuerpo = {}) {
        return {Forma::Normal, estado, std::move(cuerpo)};
    }
    static RespuestaProgramada De(Forma forma, std::string cuerpo = {}) {
        return {forma, 200, std::move(cuerpo)};
    }
};

// A tiny HTTP/1.1 server on 127.0.0.1 (a free port) that records the exact bytes of every request
// and answers as scripted, one connection at a time, closing each after its answer. A request is
// recorded before it is answered, so it is there when the client's call returns.
class ServidorDePrueba {
public:
    ServidorDePrueba();  // listening and serving when it returns
    ~ServidorDePrueba();
    ServidorDePrueba(const ServidorDePrueba&) = delete;
    ServidorDePrueba& operator=(const ServidorDePrueba&) = delete;

    int Puerto() const { return puerto_; }
    std::string Url() const;  // "http://127.0.0.1:PORT"

    // The answer to every later request not taken by Encola (at first: 200 with an empty body).
    void Responde(RespuestaProgramada respuesta);
    // Answers for the next requests, in order, before the one of Responde.
    void Encola(RespuestaProgramada respuesta);

    std::vector<PeticionRecibida> Peticiones() const;

    // Closes the port: later connections are refused at once. Also done by the destructor.
    void Detiene();

private:
    void Sirve();
    void Atiende(int conexion);
    RespuestaProgramada Siguiente();

    int escucha_ = -1;
    int aviso_[2] = {-1, -1};  // written to wake the serving thread when it must stop
    int puerto_ = 0;
    std::thread hilo_;

    mutable std::mutex mutex_;
    std::vector<PeticionRecibida> peticiones_;
    std::deque<RespuestaProgramada> cola_;
    RespuestaProgramada porDefecto_;
};

}  // namespace mirvalo::prueba
