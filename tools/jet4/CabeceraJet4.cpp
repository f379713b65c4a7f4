#include "tools/jet4/CabeceraJet4.h"

#include <cmath>
#include <cstring>
#include <limits>
#include <stdexcept>

#include "platform/Texto.h"

namespace mirvalo::jet4 {
namespace {

constexpr std::size_t InicioDelBloqueEnmascarado = 0x18;
constexpr std::size_t LongitudDelBloqueEnmascarado = 128;
constexpr std::size_t PosicionDeLaPaginaDeCodigos = 0x3C;
constexpr std::size_t PosicionDeLaClaveDeCifrado = 0x3E;
constexpr std::size_t PosicionDeLaContrasena = 0x42;
constexpr std::size_t LongitudDeLaContrasena = 40;  // 20 UCS-2 characters
constexpr std::size_t PosicionDelOrdenDeTexto = 0x6E;
constexpr std::size_t PosicionDeLaFechaDeCreacion = 0x72;

// The block is masked with RC4 under a fixed 4-byte key; a reader applies the same stream to undo it.
// Kept apart from the catalogue reader's own on purpose: a fault in one is then not mirrored in the other.
void AplicaRc4(const uint8_t (&clave)[4], uint8_t* datos, std::size_t longitud) {
    uint8_t estado[256];
    for (int i = 0; i < 256; ++i) estado[i] = static_cast<uint8_t>(i);
    uint8_t j = 0;
    for (int i = 0; i < 256; ++i) {
        j = static_cast<uint8_t>(j + estado[i] + clave[i % 4]);
        std::swap(estado[i], estado[j]);
    }
    uint8_t x = 0, y = 0;
    for (std::size_t k = 0; k < longitud; ++k) {
        x = static_cast<uint8_t>(x + 1);
        y = static_cast<uint8_t>(y + estado[x]);
        std::swap(estado[x], estado[y]);
        datos[k] ^= estado[static_cast<uint8_t>(estado[x] + estado[y])];
    }
}

// The password bytes are XOR-ed with the creation date's whole part as a 32-bit little-endian number.
uint32_t MascaraDeLaFecha(double fecha) {
    if (!(std::fabs(fecha) < 2147483647.0)) throw std::invalid_argument("fecha de creación fuera de rango");
    return static_cast<uint32_t>(static_cast<int32_t>(fecha));
}

}  // namespace

Bytes ComponeLaCabecera(std::string_view contrasena, double fechaDeCreacion) {
    const std::u16string unidades = texto::AUtf16(contrasena);
    if (unidades.size() > LongitudDeLaContrasena / 2)
        throw std::invalid_argument("la contraseña tiene más de 20 caracteres");

    Bytes pagina(TamanoDePagina, 0);
    pagina[1] = 0x01;
    std::memcpy(&pagina[4], "Standard Jet DB", 15);
    Pon32(pagina, 0x14, 1);  // Jet 4

    Pon16(pagina, PosicionDeLaPaginaDeCodigos, 1252);
    Pon32(pagina, PosicionDeLaClaveDeCifrado, 0);    // 0: the pages themselves are not encrypted
    Pon16(pagina, PosicionDelOrdenDeTexto, 0x0409);  // "General" text order
    uint64_t bitsDeLaFecha;
    std::memcpy(&bitsDeLaFecha, &fechaDeCreacion, 8);
    for (int i = 0; i < 8; ++i)
        pagina[PosicionDeLaFechaDeCreacion + i] = static_cast<uint8_t>(bitsDeLaFecha >> (8 * i));

    const uint32_t mascara = MascaraDeLaFecha(fechaDeCreacion);
    for (std::size_t i = 0; i < LongitudDeLaContrasena; ++i) {
        const std::size_t caracter = i / 2;
        uint8_t byte = 0;
        if (caracter < unidades.size())
            byte = static_cast<uint8_t>(unidades[caracter] >> (i % 2 == 0 ? 0 : 8));
        pagina[PosicionDeLaContrasena + i] = byte ^ static_cast<uint8_t>(mascara >> (8 * (i % 4)));
    }

    static constexpr uint8_t ClaveDelBloque[4] = {0xC7, 0xDA, 0x39, 0x6B};
    AplicaRc4(ClaveDelBloque, &pagina[InicioDelBloqueEnmascarado], LongitudDelBloqueEnmascarado);
    return pagina;
}

}  // namespace mirvalo::jet4
