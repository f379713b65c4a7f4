#include "platform/jet/CabeceraJet.h"

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

namespace mirvalo::jet {
namespace {

constexpr std::size_t InicioDelBloqueEnmascarado = 0x18;
constexpr std::size_t PosicionDeLaVersion = 0x14;
constexpr std::size_t PosicionDeLaContrasena = 0x42;
constexpr std::size_t PosicionDeLaFechaDeCreacion = 0x72;
constexpr std::size_t BytesNecesarios = InicioDelBloqueEnmascarado + 128;

// Part of page 0 is masked with RC4 under the fixed key C7 DA 39 6B: 126 bytes in Jet 3, 128 in Jet 4.
void QuitaLaMascara(uint8_t* datos, std::size_t longitud) {
    static constexpr uint8_t Clave[4] = {0xC7, 0xDA, 0x39, 0x6B};
    uint8_t s[256];
    for (int i = 0; i < 256; ++i) s[i] = static_cast<uint8_t>(i);
    for (int i = 0, j = 0; i < 256; ++i) {
        j = (j + s[i] + Clave[i % 4]) & 0xFF;
        std::swap(s[i], s[j]);
    }
    for (std::size_t k = 0, x = 0, y = 0; k < longitud; ++k) {
        x = (x + 1) & 0xFF;
        y = (y + s[x]) & 0xFF;
        std::swap(s[x], s[y]);
        datos[k] ^= s[(s[x] + s[y]) & 0xFF];
    }
}

// Jet 4 also XORs the password with the whole part of the creation date (a double, days since
// 30/12/1899) taken as a 32-bit little-endian number, byte by byte.
uint32_t MascaraDeLaFecha(const uint8_t* fecha) {
    double dias;
    std::memcpy(&dias, fecha, 8);  // little-endian host, as the format
    if (std::isnan(dias)) return 0;
    dias = std::clamp(dias, -2147483648.0, 2147483647.0);
    return static_cast<uint32_t>(static_cast<int32_t>(dias));
}

}  // namespace

std::optional<CabeceraJet> CabeceraJet::Lee(std::span<const uint8_t> primeraPagina) {
    if (primeraPagina.size() < BytesNecesarios || primeraPagina[0] != 0x00) return std::nullopt;
    if (std::memcmp(&primeraPagina[4], "Standard Jet DB", 15) != 0) return std::nullopt;

    CabeceraJet cabecera;
    const uint8_t version = primeraPagina[PosicionDeLaVersion];
    if (version == 0)
        cabecera.version = VersionJet::Jet3;
    else if (version == 1)
        cabecera.version = VersionJet::Jet4;
    else
        return std::nullopt;

    std::vector<uint8_t> pagina(primeraPagina.begin(), primeraPagina.begin() + BytesNecesarios);
    const bool esJet4 = cabecera.version == VersionJet::Jet4;
    QuitaLaMascara(&pagina[InicioDelBloqueEnmascarado], esJet4 ? 128 : 126);

    if (esJet4) {
        const uint32_t mascara = MascaraDeLaFecha(&pagina[PosicionDeLaFechaDeCreacion]);
        auto byteDeLaContrasena = [&](std::size_t k) {
            return static_cast<uint8_t>(pagina[PosicionDeLaContrasena + k] ^ (mascara >> (8 * (k % 4))));
        };
        for (std::size_t i = 0; i < 20; ++i) {
            const uint8_t bajo = byteDeLaContrasena(2 * i);
            const uint8_t alto = byteDeLaContrasena(2 * i + 1);
            const char16_t unidad = static_cast<char16_t>(bajo | (alto << 8));
            if (unidad == 0) break;
            cabecera.contrasena.push_back(unidad);
        }
    } else {
        // Jet 3 keeps up to 20 single-byte characters of the database's code page.
        for (std::size_t i = 0; i < 20 && pagina[PosicionDeLaContrasena + i] != 0; ++i)
            cabecera.contrasena.push_back(static_cast<char16_t>(pagina[PosicionDeLaContrasena + i]));
    }
    return cabecera;
}

}  // namespace mirvalo::jet
