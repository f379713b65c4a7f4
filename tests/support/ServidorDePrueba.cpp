#include "support/ServidorDePrueba.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <cctype>
#include <cerrno>
#include <stdexcept>

namespace mirvalo::prueba {
namespace {

std::string Minusculas(std::string_view s) {
    std::string r(s);
    for (char& c : r) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return r;
}

// Waits until `fd` is readable or the stop pipe is written; false when the server must stop.
bool EsperaLectura(int fd, int aviso) {
    pollfd fds[2] = {{fd, POLLIN, 0}, {aviso, POLLIN, 0}};
    for (;;) {
        if (poll(fds, 2, -1) < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        if (fds[1].revents != 0) return false;
        if (fds[0].revents != 0) return true;
    }
}

void EnviaTodo(int fd, std::string_view datos) {
    while (!datos.empty()) {
        const ssize_t n = send(fd, datos.data(), datos.size(), MSG_NOSIGNAL);
        if (n <= 0) return;
        datos.remove_prefix(static_cast<size_t>(n));
    }
}

const char* Frase(int estado) {
    switch (estado) {
        case 200: return "OK";
        case 400: return "Bad Request";
        case 404: return "Not Found";
        case 500: return "Internal Server Error";
        default: return "Status";
    }
}

}  // namespace

std::string PeticionRecibida::Encabezado(std::string_view nombre) const {
    const std::string buscado = Minusculas(nombre);
    const size_t finDeEncabezados = bruta.find("\r\n\r\n");
    size_t inicio = bruta.find("\r\n") + 2;
    while (inicio < finDeEncabezados) {
        const size_t fin = bruta.find("\r\n", inicio);
        const std::string_view linea(bruta.data() + inicio, fin - inicio);
        const size_t dosPuntos = linea.find(':');
        if (dosPuntos != std::string_view::npos && Minusculas(linea.substr(0, dosPuntos)) == buscado) {
            std::string_view valor = linea.substr(dosPuntos + 1);
            while (!valor.empty() && valor.front() == ' ') valor.remove_prefix(1);
            return std::string(valor);
        }
        inicio = fin + 2;
    }
    return {};
}

ServidorDePrueba::ServidorDePrueba() {
    escucha_ = socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (escucha_ < 0 || pipe(aviso_) != 0) throw std::runtime_error("test server: socket/pipe");
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    direccion.sin_port = 0;
    socklen_t largo = sizeof direccion;
    if (bind(escucha_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) != 0 ||
        listen(escucha_, 16) != 0 ||
        getsockname(escucha_, reinterpret_cast<sockaddr*>(&direccion), &largo) != 0)
        throw std::runtime_error("test server: bind/listen");
    puerto_ = ntohs(direccion.sin_port);
    hilo_ = std::thread([this] { Sirve(); });
}

ServidorDePrueba::~ServidorDePrueba() {
    Detiene();
    close(aviso_[0]);
    close(aviso_[1]);
}

std::string ServidorDePrueba::Url() const {
    return "http://127.0.0.1:" + std::to_string(puerto_);
}

void ServidorDePrueba::Responde(RespuestaProgramada respuesta) {
    std::lock_guard bloqueo(mutex_);
    porDefecto_ = std::move(respuesta);
}

void ServidorDePrueba::Encola(RespuestaProgramada respuesta) {
    std::lock_guard bloqueo(mutex_);
    cola_.push_back(std::move(respuesta));
}

std::vector<PeticionRecibida> ServidorDePrueba::Peticiones() const {
    std::lock_guard bloqueo(mutex_);
    return peticiones_;
}

void ServidorDePrueba::Detiene() {
    if (!hilo_.joinable()) return;
    const char uno = 1;
    (void)!write(aviso_[1], &uno, 1);
    hilo_.join();
    close(escucha_);
    escucha_ = -1;
}

RespuestaProgramada ServidorDePrueba::Siguiente() {
    std::lock_guard bloqueo(mutex_);
    if (cola_.empty()) return porDefecto_;
    RespuestaProgramada siguiente = std::move(cola_.front());
    cola_.pop_front();
    return siguiente;
}

void ServidorDePrueba::Sirve() {
    while (EsperaLectura(escucha_, aviso_[0])) {
        const int conexion = accept4(escucha_, nullptr, nullptr, SOCK_CLOEXEC);
        if (conexion < 0) continue;
        Atiende(conexion);
        close(conexion);
    }
}

void ServidorDePrueba::Atiende(int conexion) {
    PeticionRecibida peticion;
    std::string& bruta = peticion.bruta;
    char bufer[4096];
    auto lee = [&]() {
        if (!EsperaLectura(conexion, aviso_[0])) return false;
        const ssize_t n = recv(conexion, bufer, sizeof bufer, 0);
        if (n <= 0) return false;
        bruta.append(bufer, static_cast<size_t>(n));
        return true;
    };

    size_t finDeEncabezados;
    while ((finDeEncabezados = bruta.find("\r\n\r\n")) == std::string::npos)
        if (!lee()) return;
    const std::string largo = peticion.Encabezado("Content-Length");
    const size_t tamanoDelCuerpo = largo.empty() ? 0 : std::stoul(largo);
    const size_t total = finDeEncabezados + 4 + tamanoDelCuerpo;
    while (bruta.size() < total)
        if (!lee()) return;

    const size_t espacio = bruta.find(' ');
    peticion.metodo = bruta.substr(0, espacio);
    peticion.ruta = bruta.substr(espacio + 1, bruta.find(' ', espacio + 1) - espacio - 1);
    peticion.cuerpo = bruta.substr(finDeEncabezados + 4, tamanoDelCuerpo);
    const bool esHead = peticion.metodo == "HEAD";
    {
        std::lock_guard bloqueo(mutex_);
        peticiones_.push_back(std::move(peticion));
    }

    const RespuestaProgramada respuesta = Siguiente();
    switch (respuesta.forma) {
        case RespuestaProgramada::Forma::Normal: {
            std::string texto = "HTTP/1.1 " + std::to_string(respuesta.estado) + " " +
                                Frase(respuesta.estado) + "\r\nContent-Type: " + respuesta.tipoDeContenido +
                                "\r\nContent-Length: " + std::to_string(respuesta.cuerpo.size()) +
                                "\r\nConnection: close\r\n\r\n";
            if (!esHead) texto += respuesta.cuerpo;
            EnviaTodo(conexion, texto);
            break;
        }
        case RespuestaProgramada::Forma::Cruda: EnviaTodo(conexion, respuesta.cuerpo); break;
        case RespuestaProgramada::Forma::CierraSinResponder: break;
        case RespuestaProgramada::Forma::NoResponde:
            // Until the client gives up (it closes, so the socket reads as ended) or the server stops.
            while (lee()) {
            }
            break;
    }
}

}  // namespace mirvalo::prueba
