#pragma once
#include <cstdint>

// Numbers of the transport failures that the HTTP requests raise. They are those the Windows HTTP
// client raises (its HRESULTs, read as signed 32-bit numbers), so that failure reports name a
// network failure the same way on every platform.
namespace mirvalo::errores::http {

inline constexpr int32_t ErrorInterno = -2147012892;          // 0x80072EE4
inline constexpr int32_t DireccionNoValida = -2147012891;     // 0x80072EE5
inline constexpr int32_t ProtocoloDesconocido = -2147012890;  // 0x80072EE6
inline constexpr int32_t NombreNoResuelto = -2147012889;      // 0x80072EE7
inline constexpr int32_t TiempoAgotado = -2147012894;         // 0x80072EE2
inline constexpr int32_t NoSePudoConectar = -2147012867;      // 0x80072EFD
inline constexpr int32_t ConexionInterrumpida = -2147012866;  // 0x80072EFE
inline constexpr int32_t RespuestaNoValida = -2147012744;     // 0x80072F78
inline constexpr int32_t ErrorDeSeguridad = -2147012721;      // 0x80072F8F

}  // namespace mirvalo::errores::http
