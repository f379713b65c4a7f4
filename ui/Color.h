#pragma once
#include <cstdint>

namespace mirvalo {

// A colour as the screens give it: 24-bit RGB in a 32-bit value, red in the low byte
// (0x00BBGGRR), so RGB(0, 79, 142) == 0x008E4F00.
using Color = std::uint32_t;

constexpr Color RGB(int rojo, int verde, int azul) {
    return static_cast<Color>((rojo & 0xFF) | ((verde & 0xFF) << 8) | ((azul & 0xFF) << 16));
}
constexpr int Rojo(Color c) {
    return static_cast<int>(c & 0xFF);
}
constexpr int Verde(Color c) {
    return static_cast<int>((c >> 8) & 0xFF);
}
constexpr int Azul(Color c) {
    return static_cast<int>((c >> 16) & 0xFF);
}

// The text colour a label or picture box has until one is set: the system's text colour (black),
// kept apart from RGB(0, 0, 0) so that code can tell "never set" from "set to black".
inline constexpr Color ColorDeTextoDelSistema = 0x80000012;
// The background a label or picture box has until one is set: the system's button face.
inline constexpr Color ColorDeFondoDelSistema = 0x8000000F;

// A system colour resolved to the RGB value it stands for; plain RGB values are returned unchanged.
Color ColorReal(Color c);

}  // namespace mirvalo
