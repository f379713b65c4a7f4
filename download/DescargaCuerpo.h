#pragma once
#include <chrono>
#include <cstddef>
#include <cstdint>
#include <string>

#include "download/DescargaArchivoTemporal.h"
#include "download/DescargaProgreso.h"
#include "download/DescargaRitmoDeEventos.h"

namespace mirvalo {

// The body of one answer as it arrives: handed on to its destination, counted in blocks of a
// fixed size, one progress event per block whatever sizes the network delivers it in, and the
// window events let run before and after each event. The block is the unit of the progress
// events and of cancelling; the bytes themselves move in whatever pieces arrive.
class DescargaCuerpo {
public:
    // The destination is the temporary file when `archivo` is given, else `memoria`. With a known
    // length (`longitud` >= 0) `memoria` already holds that many bytes, which are overwritten in
    // order; bytes beyond the length are not taken.
    DescargaCuerpo(int64_t longitud, int32_t bytesPorBloque, DescargaArchivoTemporal* archivo,
                   std::string& memoria, const EventoProgreso& progreso, DescargaRitmoDeEventos& ritmo);

    // Bytes as they arrive. False when the transfer must stop: the listener cancelled it, the
    // whole declared length is in, or the file could not take the bytes.
    bool Recibe(const char* datos, std::size_t cantidad);
    // The server ended the body: raises the event of the last, shorter block.
    void Termina();

    bool Cancelado() const { return cancelado_; }
    bool FalloElArchivo() const { return falloElArchivo_; }
    // Every byte of a known length arrived; with an unknown length, the server's end is the end.
    bool Completo() const { return longitud_ < 0 || aceptados_ == longitud_; }

private:
    void AnunciaProgreso(int64_t bytes);
    void LeeElReloj();

    const int64_t longitud_;
    const int64_t bytesPorBloque_;
    DescargaArchivoTemporal* archivo_;
    std::string& memoria_;
    const EventoProgreso& progreso_;
    DescargaRitmoDeEventos& ritmo_;
    // The clock is read as the bytes arrive and then every few blocks: blocks that arrived together
    // share their moment, and a fast transfer is not slowed by the reading.
    static constexpr int BloquesPorLectura = 8;
    const DescargaRitmoDeEventos::Reloj::time_point inicio_ = DescargaRitmoDeEventos::Reloj::now();
    DescargaRitmoDeEventos::Reloj::time_point ahora_ = inicio_;
    int bloquesSinLeerElReloj_ = 0;

    int64_t aceptados_ = 0;  // handed on to the destination
    int64_t recibido_ = 0;   // reported by the events
    double velocidad_ = 0;
    double faltante_ = 0;
    bool cancelado_ = false;
    bool falloElArchivo_ = false;
    bool terminado_ = false;
};

}  // namespace mirvalo
