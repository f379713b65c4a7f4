#pragma once

#include <map>
#include <string>

namespace mirvalo::sandbox::prueba {

struct RespuestaCruda {
    int estado = 0;
    std::map<std::string, std::string> cabeceras;  // names in lower case
    std::string cuerpo;
};

// A plain HTTP/1.1 client over a loopback connection: it writes exactly the request it is given (a GET may
// carry a body, as the assistant's do) and reads each answer by its Content-Length, so several requests can
// share the connection; it opens a new one only after an answer that closes it. Failures are reported
// through gtest assertions inside.
class ClienteCrudo {
public:
    explicit ClienteCrudo(int puerto);
    ~ClienteCrudo();
    ClienteCrudo(const ClienteCrudo&) = delete;
    ClienteCrudo& operator=(const ClienteCrudo&) = delete;

    RespuestaCruda Pide(const std::string& metodo, const std::string& ruta, const std::string& cuerpo = "");

private:
    void Conecta();
    std::string LeeHasta(size_t bytes);
    int socket_ = -1;
    int puerto_;
    std::string pendiente_;
};

// One request on a connection of its own.
RespuestaCruda Pide(int puerto, const std::string& metodo, const std::string& ruta,
                    const std::string& cuerpo = "");

}  // namespace mirvalo::sandbox::prueba
