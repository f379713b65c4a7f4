#pragma once
#include <cstdint>
#include <functional>

namespace mirvalo {

// The progress event of a transfer, raised once per block received:
//   longitud      the body's length from its Content-Length, or -1 when it is unknown
//   recibido      bytes received so far
//   avance        percentage received, 0 to 100; 0 when the length is unknown
//   transcurrido  whole seconds since the body began
//   faltante      estimated whole seconds still needed, never negative; 0 when the length is unknown
//   velocidad     bytes per second so far (a copy: changing it changes nothing)
//   detener       false when raised; set it to true to cancel the transfer before its next read
// Byte counts are 64-bit so that neither a large body nor a fast link can overflow them.
using EventoProgreso =
    std::function<void(int64_t longitud, int64_t recibido, double avance, int32_t transcurrido,
                       double faltante, int64_t& velocidad, bool& detener)>;

}  // namespace mirvalo
