#include "platform/jet/OrdenDeTextoJet.h"

#include <string>

#include "platform/Texto.h"

namespace mirvalo::jet {
namespace {

// The letter an upper-case Latin letter is written with, accents and strokes left off; 0 for
// anything else.
char32_t LetraBase(char32_t c) {
    if (c >= 'A' && c <= 'Z') return c;
    if (c >= 0xC0 && c <= 0xDF) {
        static constexpr char Latin1[] = "AAAAAAACEEEEIIIIDNOOOOO\0OUUUUYTS";
        return static_cast<unsigned char>(Latin1[c - 0xC0]);
    }
    struct Tramo {
        char32_t hasta;
        char letra;
    };
    static constexpr Tramo LatinExtendidoA[] = {
        {0x105, 'A'}, {0x10D, 'C'}, {0x111, 'D'}, {0x11B, 'E'}, {0x123, 'G'}, {0x127, 'H'}, {0x133, 'I'},
        {0x135, 'J'}, {0x138, 'K'}, {0x142, 'L'}, {0x14B, 'N'}, {0x153, 'O'}, {0x159, 'R'}, {0x161, 'S'},
        {0x167, 'T'}, {0x173, 'U'}, {0x175, 'W'}, {0x178, 'Y'}, {0x17E, 'Z'}, {0x17F, 'S'}};
    if (c >= 0x100 && c <= 0x17F)
        for (const Tramo& t : LatinExtendidoA)
            if (c <= t.hasta) return static_cast<char32_t>(t.letra);
    return 0;
}

enum Clase : int { Signo = 0, Digito = 1, Letra = 2, OtraEscritura = 3 };

// The primary weight of one character: its class, then its place inside the class.
std::pair<int, char32_t> Peso(char32_t c) {
    const char32_t mayuscula = texto::MayusculaDe(c);
    if (const char32_t base = LetraBase(mayuscula)) return {Letra, base};
    if (c >= '0' && c <= '9') return {Digito, c};
    if (c < 0x80 || (c >= 0xA0 && c <= 0xBF) || c == 0xD7 || c == 0xF7) return {Signo, c};
    return {OtraEscritura, mayuscula};
}

int ComparaPesos(std::u16string_view a, std::u16string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    for (std::size_t i = 0; i < n; ++i) {
        const auto pa = Peso(a[i]);
        const auto pb = Peso(b[i]);
        if (pa != pb) return pa < pb ? -1 : 1;
    }
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

}  // namespace

int ComparaTextoJet(std::string_view a, std::string_view b) {
    if (const int primaria = ComparaPesos(texto::AUtf16(a), texto::AUtf16(b))) return primaria;
    // Same letters: the unaccented form first, as their code order among upper-case forms gives.
    return texto::ComparaOrdinal(texto::Mayusculas(a), texto::Mayusculas(b));
}

bool IgualesParaJet(std::string_view a, std::string_view b) {
    return texto::IgualesSinMayusculas(a, b);
}

}  // namespace mirvalo::jet
