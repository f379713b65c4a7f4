#pragma once

#include <httplib.h>

#include <array>
#include <cstddef>

namespace mirvalo::sandbox {

// One accepted connection as the HTTP parser's stream: reads are buffered (the request-line reader asks for
// one byte at a time) and every wait is bounded by the server's read and write time-outs.
class FlujoDeSocket : public httplib::Stream {
public:
    FlujoDeSocket(socket_t socket, int esperaLecturaMs, int esperaEscrituraMs);

    bool is_readable() const override;
    bool is_writable() const override;
    ssize_t read(char* destino, size_t tamano) override;
    ssize_t write(const char* origen, size_t tamano) override;
    void get_remote_ip_and_port(std::string& ip, int& puerto) const override;
    void get_local_ip_and_port(std::string& ip, int& puerto) const override;
    socket_t socket() const override { return socket_; }

    // Bytes of a following request that already sit in the buffer (a pipelining client).
    bool TieneDatosPendientes() const { return inicio_ < fin_; }

private:
    socket_t socket_;
    int esperaLecturaMs_;
    int esperaEscrituraMs_;
    std::array<char, 4096> bufer_{};
    size_t inicio_ = 0;
    size_t fin_ = 0;
};

// Waits up to `esperaMs` for the socket to become readable (or writable); false on time-out or error.
bool EsperaQueSeaLegible(socket_t socket, int esperaMs);
bool EsperaQueSeaEscribible(socket_t socket, int esperaMs);

}  // namespace mirvalo::sandbox
