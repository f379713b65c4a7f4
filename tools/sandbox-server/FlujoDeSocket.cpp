#include "tools/sandbox-server/FlujoDeSocket.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>

#include <algorithm>
#include <cerrno>
#include <cstring>

namespace mirvalo::sandbox {
namespace {

bool Espera(socket_t socket, short evento, int esperaMs) {
    pollfd descriptor{socket, evento, 0};
    for (;;) {
        int listos = ::poll(&descriptor, 1, esperaMs);
        if (listos < 0 && errno == EINTR) continue;
        // A hang-up or error is "ready" too: the following read or write then reports it.
        return listos > 0;
    }
}

void DireccionDe(const sockaddr_storage& direccion, std::string& ip, int& puerto) {
    char texto[INET6_ADDRSTRLEN] = {};
    if (direccion.ss_family == AF_INET) {
        const auto& v4 = reinterpret_cast<const sockaddr_in&>(direccion);
        ::inet_ntop(AF_INET, &v4.sin_addr, texto, sizeof texto);
        puerto = ntohs(v4.sin_port);
    } else if (direccion.ss_family == AF_INET6) {
        const auto& v6 = reinterpret_cast<const sockaddr_in6&>(direccion);
        ::inet_ntop(AF_INET6, &v6.sin6_addr, texto, sizeof texto);
        puerto = ntohs(v6.sin6_port);
    }
    ip = texto;
}

}  // namespace

bool EsperaQueSeaLegible(socket_t socket, int esperaMs) {
    return Espera(socket, POLLIN, esperaMs);
}
bool EsperaQueSeaEscribible(socket_t socket, int esperaMs) {
    return Espera(socket, POLLOUT, esperaMs);
}

FlujoDeSocket::FlujoDeSocket(socket_t socket, int esperaLecturaMs, int esperaEscrituraMs)
    : socket_(socket), esperaLecturaMs_(esperaLecturaMs), esperaEscrituraMs_(esperaEscrituraMs) {}

bool FlujoDeSocket::is_readable() const {
    return TieneDatosPendientes() || EsperaQueSeaLegible(socket_, esperaLecturaMs_);
}

bool FlujoDeSocket::is_writable() const {
    return EsperaQueSeaEscribible(socket_, esperaEscrituraMs_);
}

ssize_t FlujoDeSocket::read(char* destino, size_t tamano) {
    if (!TieneDatosPendientes()) {
        if (!EsperaQueSeaLegible(socket_, esperaLecturaMs_)) return -1;
        ssize_t leidos;
        do {
            leidos = ::recv(socket_, bufer_.data(), bufer_.size(), 0);
        } while (leidos < 0 && errno == EINTR);
        if (leidos <= 0) return leidos;
        inicio_ = 0;
        fin_ = static_cast<size_t>(leidos);
    }
    size_t copiados = std::min(tamano, fin_ - inicio_);
    std::memcpy(destino, bufer_.data() + inicio_, copiados);
    inicio_ += copiados;
    return static_cast<ssize_t>(copiados);
}

ssize_t FlujoDeSocket::write(const char* origen, size_t tamano) {
    if (!EsperaQueSeaEscribible(socket_, esperaEscrituraMs_)) return -1;
    ssize_t escritos;
    do {
        escritos = ::send(socket_, origen, tamano, MSG_NOSIGNAL);
    } while (escritos < 0 && errno == EINTR);
    return escritos;
}

void FlujoDeSocket::get_remote_ip_and_port(std::string& ip, int& puerto) const {
    sockaddr_storage direccion{};
    socklen_t largo = sizeof direccion;
    if (::getpeername(socket_, reinterpret_cast<sockaddr*>(&direccion), &largo) == 0) {
        DireccionDe(direccion, ip, puerto);
    }
}

void FlujoDeSocket::get_local_ip_and_port(std::string& ip, int& puerto) const {
    sockaddr_storage direccion{};
    socklen_t largo = sizeof direccion;
    if (::getsockname(socket_, reinterpret_cast<sockaddr*>(&direccion), &largo) == 0) {
        DireccionDe(direccion, ip, puerto);
    }
}

}  // namespace mirvalo::sandbox
