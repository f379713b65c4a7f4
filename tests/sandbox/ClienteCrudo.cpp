#include "ClienteCrudo.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <sys/socket.h>
#include <unistd.h>

#include <gtest/gtest.h>
#include <algorithm>

namespace mirvalo::sandbox::prueba {

ClienteCrudo::ClienteCrudo(int puerto) : puerto_(puerto) {
    Conecta();
}

void ClienteCrudo::Conecta() {
    if (socket_ >= 0) ::close(socket_);
    pendiente_.clear();
    socket_ = ::socket(AF_INET, SOCK_STREAM, 0);
    sockaddr_in direccion{};
    direccion.sin_family = AF_INET;
    direccion.sin_port = htons(static_cast<uint16_t>(puerto_));
    direccion.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    timeval espera{5, 0};  // a server that never answers fails the test instead of hanging it
    ::setsockopt(socket_, SOL_SOCKET, SO_RCVTIMEO, &espera, sizeof espera);
    EXPECT_EQ(::connect(socket_, reinterpret_cast<sockaddr*>(&direccion), sizeof direccion), 0);
}

ClienteCrudo::~ClienteCrudo() {
    ::close(socket_);
}

std::string ClienteCrudo::LeeHasta(size_t bytes) {
    char bufer[4096];
    while (pendiente_.size() < bytes) {
        ssize_t leidos = ::recv(socket_, bufer, sizeof bufer, 0);
        if (leidos <= 0) break;
        pendiente_.append(bufer, static_cast<size_t>(leidos));
    }
    std::string leido = pendiente_.substr(0, bytes);
    pendiente_.erase(0, leido.size());
    return leido;
}

RespuestaCruda ClienteCrudo::Pide(const std::string& metodo, const std::string& ruta,
                                  const std::string& cuerpo) {
    std::string peticion = metodo + " " + ruta + " HTTP/1.1\r\nHost: 127.0.0.1:" + std::to_string(puerto_) +
                           "\r\nAccept: */*\r\n";
    if (!cuerpo.empty()) {
        peticion +=
            "Content-Type: application/json\r\nContent-Length: " + std::to_string(cuerpo.size()) + "\r\n";
    }
    peticion += "\r\n" + cuerpo;
    EXPECT_EQ(::send(socket_, peticion.data(), peticion.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(peticion.size()));

    // Headers: read byte by byte until the blank line, keeping what follows for the body.
    std::string cabecera;
    while (cabecera.find("\r\n\r\n") == std::string::npos) {
        std::string byte = LeeHasta(1);
        if (byte.empty()) break;
        cabecera += byte;
    }
    RespuestaCruda respuesta;
    if (cabecera.size() < 12) {
        ADD_FAILURE() << "no answer to " << metodo << " " << ruta;
        return respuesta;
    }
    respuesta.estado = std::stoi(cabecera.substr(9, 3));
    size_t linea = cabecera.find("\r\n") + 2;
    while (linea < cabecera.size()) {
        size_t fin = cabecera.find("\r\n", linea);
        std::string campo = cabecera.substr(linea, fin - linea);
        linea = fin + 2;
        size_t dosPuntos = campo.find(':');
        if (dosPuntos == std::string::npos) continue;
        std::string nombre = campo.substr(0, dosPuntos);
        std::transform(nombre.begin(), nombre.end(), nombre.begin(), ::tolower);
        size_t valor = campo.find_first_not_of(' ', dosPuntos + 1);
        respuesta.cabeceras[nombre] = valor == std::string::npos ? "" : campo.substr(valor);
    }
    size_t largo =
        respuesta.cabeceras.count("content-length") ? std::stoul(respuesta.cabeceras["content-length"]) : 0;
    if (metodo != "HEAD") respuesta.cuerpo = LeeHasta(largo);
    if (respuesta.cabeceras["connection"] == "close") Conecta();
    return respuesta;
}

RespuestaCruda Pide(int puerto, const std::string& metodo, const std::string& ruta,
                    const std::string& cuerpo) {
    ClienteCrudo cliente(puerto);
    return cliente.Pide(metodo, ruta, cuerpo);
}

}  // namespace mirvalo::sandbox::prueba
