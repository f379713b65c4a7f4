#include "support/ServidorDeArchivos.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <stdexcept>

namespace mirvalo::prueba {
namespace {

constexpr std::size_t LargoMaximoDeUnaPeticion = 64 * 1024;

bool EnviaTodo(int conexion, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t enviados = ::send(conexion, bytes.data(), bytes.size(), MSG_NOSIGNAL);
        if (enviados < 0 && errno == EINTR) continue;
        if (enviados <= 0) return false;
        bytes.remove_prefix(static_cast<std::size_t>(enviados));
    }
    return true;
}

// The request's head, up to and including its blank line; nullopt when the client sends something
// else or goes away first.
std::optional<std::string> LeeLaPeticion(int conexion) {
    std::string peticion;
    char bufer[4096];
    while (peticion.find("\r\n\r\n") == std::string::npos) {
        const ssize_t leidos = ::recv(conexion, bufer, sizeof bufer, 0);
        if (leidos < 0 && errno == EINTR) continue;
        if (leidos <= 0) return std::nullopt;
        peticion.append(bufer, static_cast<std::size_t>(leidos));
        if (peticion.size() > LargoMaximoDeUnaPeticion || !(peticion[0] >= 'A' && peticion[0] <= 'Z'))
            return std::nullopt;
    }
    return peticion.substr(0, peticion.find("\r\n\r\n") + 4);
}

std::string Destino(const std::string& peticion) {
    const auto inicio = peticion.find(' ');
    if (inicio == std::string::npos) return {};
    const auto fin = peticion.find(' ', inicio + 1);
    return peticion.substr(inicio + 1, fin == std::string::npos ? std::string::npos : fin - inicio - 1);
}

std::string Cabecera(const RespuestaDePrueba& r) {
    std::string cabecera = r.version + " " + std::to_string(r.estado) + " " + r.razon + "\r\n";
    for (const auto& [nombre, valor] : r.encabezados) cabecera += nombre + ": " + valor + "\r\n";
    if (r.conLongitud)
        cabecera += "Content-Length: " + r.longitud.value_or(std::to_string(r.cuerpo.size())) + "\r\n";
    cabecera += "Connection: close\r\n\r\n";
    return cabecera;
}

std::shared_ptr<const RespuestaDePrueba> NoEncontrada() {
    static const auto respuesta = std::make_shared<const RespuestaDePrueba>(
        RespuestaDePrueba{.estado = 404, .razon = "Not Found", .cuerpo = "no such path"});
    return respuesta;
}

// A reset instead of an orderly close: the client sees the connection fail, not end.
void CortaLaConexion(int conexion) {
    linger sinEspera{1, 0};
    ::setsockopt(conexion, SOL_SOCKET, SO_LINGER, &sinEspera, sizeof sinEspera);
}

}  // namespace

ServidorDeArchivos::ServidorDeArchivos() {
    escucha_ = ::socket(AF_INET, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (escucha_ < 0) throw std::runtime_error("socket");
    const int si = 1;
    ::setsockopt(escucha_, SOL_SOCKET, SO_REUSEADDR, &si, sizeof si);
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    direccion.sin_port = 0;
    socklen_t largo = sizeof direccion;
    if (::bind(escucha_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion) != 0 ||
        ::listen(escucha_, 64) != 0 ||
        ::getsockname(escucha_, reinterpret_cast<sockaddr*>(&direccion), &largo) != 0) {
        ::close(escucha_);
        throw std::runtime_error("bind/listen on 127.0.0.1");
    }
    puerto_ = ntohs(direccion.sin_port);
    aceptador_ = std::thread([this] { Acepta(); });
}

ServidorDeArchivos::~ServidorDeArchivos() {
    {
        std::lock_guard bloqueo(mutex_);
        deteniendo_ = true;
        for (const int conexion : conexionesAbiertas_) ::shutdown(conexion, SHUT_RDWR);
    }
    parada_.notify_all();
    ::shutdown(escucha_, SHUT_RDWR);
    aceptador_.join();
    ::close(escucha_);
    // No thread is added once the acceptor has ended.
    for (auto& hilo : hilos_) hilo.join();
}

std::string ServidorDeArchivos::Url(std::string_view ruta) const {
    return "http://127.0.0.1:" + std::to_string(puerto_) + std::string(ruta);
}

void ServidorDeArchivos::Responde(const std::string& ruta, RespuestaDePrueba respuesta) {
    std::lock_guard bloqueo(mutex_);
    respuestas_[ruta] = std::make_shared<const RespuestaDePrueba>(std::move(respuesta));
}

std::vector<std::string> ServidorDeArchivos::Peticiones() const {
    std::lock_guard bloqueo(mutex_);
    return peticiones_;
}

void ServidorDeArchivos::Acepta() {
    while (true) {
        const int conexion = ::accept4(escucha_, nullptr, nullptr, SOCK_CLOEXEC);
        std::lock_guard bloqueo(mutex_);
        if (deteniendo_) {
            if (conexion >= 0) ::close(conexion);
            return;
        }
        if (conexion < 0) continue;
        conexionesAbiertas_.insert(conexion);
        hilos_.emplace_back([this, conexion] { Atiende(conexion); });
    }
}

bool ServidorDeArchivos::Pausa(std::chrono::milliseconds pausa) {
    std::unique_lock bloqueo(mutex_);
    if (pausa.count() > 0) parada_.wait_for(bloqueo, pausa, [this] { return deteniendo_; });
    return !deteniendo_;
}

void ServidorDeArchivos::Atiende(int conexion) {
    const auto peticion = LeeLaPeticion(conexion);
    std::shared_ptr<const RespuestaDePrueba> guion;
    if (peticion) {
        std::lock_guard bloqueo(mutex_);
        peticiones_.push_back(*peticion);
        const auto encontrada = respuestas_.find(Destino(*peticion));
        guion = encontrada != respuestas_.end() ? encontrada->second : NoEncontrada();
    }

    if (guion && !guion->cerrarSinResponder && EnviaTodo(conexion, Cabecera(*guion))) {
        const RespuestaDePrueba& respuesta = *guion;
        std::string_view cuerpo = respuesta.cuerpo;
        if (respuesta.cortarTras) cuerpo = cuerpo.substr(0, *respuesta.cortarTras);
        const std::size_t trozo = std::max<std::size_t>(1, respuesta.trozo);
        bool enviando = true;
        while (enviando && !cuerpo.empty()) {
            const auto parte = cuerpo.substr(0, trozo);
            enviando = Pausa(respuesta.pausaPorTrozo) && EnviaTodo(conexion, parte);
            cuerpo.remove_prefix(parte.size());
        }
        if (respuesta.cortarTras)
            CortaLaConexion(conexion);
        else
            ::shutdown(conexion, SHUT_WR);
    }
    {
        std::lock_guard bloqueo(mutex_);
        conexionesAbiertas_.erase(conexion);
    }
    ::close(conexion);
}

}  // namespace mirvalo::prueba
