#pragma once

#include <httplib.h>

#include <string>

namespace mirvalo::sandbox {

// cpp-httplib's server, taught to read the body of a GET. The Web API's queries are GET requests that carry
// a JSON body, and this version of the library reads a body only for POST, PUT, PATCH and DELETE: it leaves
// a GET body unread on the connection, where it then corrupts the next request. This class runs the
// per-connection loop itself (the library's own HTTP parsing and routing are kept) so that it can hand a
// GET with a body to the library as a POST marked with an internal header; the routes registered through
// `RutaGet` and `RutaPost` then see the method the client really used and refuse the other one with 405.
class ServidorHttp : public httplib::Server {
public:
    ServidorHttp();

    void RutaGet(const std::string& patron, Handler manejador);
    void RutaPost(const std::string& patron, Handler manejador);

    // Time-outs of one connection (milliseconds): waiting for its next request, and each read or write.
    int esperaEntrePeticionesMs = 5000;
    int esperaLecturaMs = 5000;
    int esperaEscrituraMs = 5000;

private:
    bool process_and_close_socket(socket_t socket) override;
    bool EsperaOtraPeticion(socket_t socket) const;
};

}  // namespace mirvalo::sandbox
