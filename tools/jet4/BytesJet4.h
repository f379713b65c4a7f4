#pragma once
#include <cstddef>
#include <cstdint>
#include <vector>

// Little-endian stores into a page or row buffer: every multi-byte number of the format is LSB first.
namespace mirvalo::jet4 {

using Bytes = std::vector<uint8_t>;
inline constexpr std::size_t TamanoDePagina = 4096;

inline void Pon16(Bytes& b, std::size_t en, uint32_t v) {
    b[en] = static_cast<uint8_t>(v);
    b[en + 1] = static_cast<uint8_t>(v >> 8);
}

inline void Pon32(Bytes& b, std::size_t en, uint32_t v) {
    for (int i = 0; i < 4; ++i) b[en + i] = static_cast<uint8_t>(v >> (8 * i));
}

inline void Agrega16(Bytes& b, uint32_t v) {
    b.push_back(static_cast<uint8_t>(v));
    b.push_back(static_cast<uint8_t>(v >> 8));
}

inline void Agrega32(Bytes& b, uint32_t v) {
    for (int i = 0; i < 4; ++i) b.push_back(static_cast<uint8_t>(v >> (8 * i)));
}

}  // namespace mirvalo::jet4
