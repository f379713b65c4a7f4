#include "platform/Texto.h"

#include <cstdint>

namespace mirvalo::texto {
namespace {

constexpr char32_t Reemplazo = 0xFFFD;

// Decodes one UTF-8 sequence at `i`, moving `i` past it. Malformed input yields U+FFFD for one byte.
char32_t Decodifica(std::string_view s, std::size_t& i) {
    const auto b0 = static_cast<unsigned char>(s[i]);
    if (b0 < 0x80) {
        ++i;
        return b0;
    }
    int extra;
    char32_t c;
    if ((b0 & 0xE0) == 0xC0) {
        extra = 1;
        c = b0 & 0x1F;
    } else if ((b0 & 0xF0) == 0xE0) {
        extra = 2;
        c = b0 & 0x0F;
    } else if ((b0 & 0xF8) == 0xF0) {
        extra = 3;
        c = b0 & 0x07;
    } else {
        ++i;
        return Reemplazo;
    }
    if (i + extra >= s.size()) {
        ++i;
        return Reemplazo;
    }
    for (int k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(s[i + k]);
        if ((b & 0xC0) != 0x80) {
            ++i;
            return Reemplazo;
        }
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t minimo[] = {0, 0x80, 0x800, 0x10000};
    if (c < minimo[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) {
        ++i;
        return Reemplazo;
    }
    i += extra + 1;
    return c;
}

std::size_t UnidadesUtf16(char32_t c) { return c >= 0x10000 ? 2 : 1; }

}  // namespace

void AgregaUtf8(std::string& d, char32_t c) {
    if (c < 0x80) {
        d.push_back(static_cast<char>(c));
    } else if (c < 0x800) {
        d.push_back(static_cast<char>(0xC0 | (c >> 6)));
        d.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else if (c < 0x10000) {
        d.push_back(static_cast<char>(0xE0 | (c >> 12)));
        d.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        d.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    } else {
        d.push_back(static_cast<char>(0xF0 | (c >> 18)));
        d.push_back(static_cast<char>(0x80 | ((c >> 12) & 0x3F)));
        d.push_back(static_cast<char>(0x80 | ((c >> 6) & 0x3F)));
        d.push_back(static_cast<char>(0x80 | (c & 0x3F)));
    }
}

std::u16string AUtf16(std::string_view s) {
    std::u16string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const char32_t c = Decodifica(s, i);
        if (c >= 0x10000) {
            r.push_back(static_cast<char16_t>(0xD800 + ((c - 0x10000) >> 10)));
            r.push_back(static_cast<char16_t>(0xDC00 + ((c - 0x10000) & 0x3FF)));
        } else {
            r.push_back(static_cast<char16_t>(c));
        }
    }
    return r;
}

std::string DesdeUtf16(std::u16string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size(); ++i) {
        char32_t c = s[i];
        if (c >= 0xD800 && c <= 0xDBFF && i + 1 < s.size() && s[i + 1] >= 0xDC00 && s[i + 1] <= 0xDFFF) {
            c = 0x10000 + ((c - 0xD800) << 10) + (s[i + 1] - 0xDC00);
            ++i;
        } else if (c >= 0xD800 && c <= 0xDFFF) {
            c = Reemplazo;
        }
        AgregaUtf8(r, c);
    }
    return r;
}

std::size_t Longitud(std::string_view s) {
    std::size_t n = 0;
    for (std::size_t i = 0; i < s.size();) n += UnidadesUtf16(Decodifica(s, i));
    return n;
}

std::string Izquierda(std::string_view s, std::size_t unidades) {
    std::size_t n = 0;
    std::size_t i = 0;
    while (i < s.size()) {
        std::size_t siguiente = i;
        const std::size_t u = UnidadesUtf16(Decodifica(s, siguiente));
        if (n + u > unidades) break;
        n += u;
        i = siguiente;
    }
    return std::string(s.substr(0, i));
}

char32_t MayusculaDe(char32_t c) {
    if (c < 0x80) return (c >= 'a' && c <= 'z') ? c - 0x20 : c;
    if (c >= 0xE0 && c <= 0xFE && c != 0xF7) return c - 0x20;
    if (c == 0xFF) return 0x178;
    if (c >= 0x100 && c <= 0x17F) {
        if (c == 0x131) return 'I';
        if ((c >= 0x100 && c <= 0x137) || (c >= 0x14A && c <= 0x177)) return (c % 2 == 1) ? c - 1 : c;
        if ((c >= 0x139 && c <= 0x148) || (c >= 0x179 && c <= 0x17E)) return (c % 2 == 0) ? c - 1 : c;
        return c;
    }
    if (c >= 0x3B1 && c <= 0x3C9) return c == 0x3C2 ? 0x3A3 : c - 0x20;
    if (c >= 0x430 && c <= 0x44F) return c - 0x20;
    if (c >= 0x450 && c <= 0x45F) return c - 0x50;
    return c;
}

std::string Mayusculas(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (std::size_t i = 0; i < s.size();) {
        const auto b = static_cast<unsigned char>(s[i]);
        if (b < 0x80) {
            r.push_back(static_cast<char>(b >= 'a' && b <= 'z' ? b - 0x20 : b));
            ++i;
            continue;
        }
        const std::size_t inicio = i;
        const char32_t c = Decodifica(s, i);
        const char32_t m = MayusculaDe(c);
        if (c == Reemplazo && m == Reemplazo && i - inicio == 1) {
            r.push_back(s[inicio]);  // keep a malformed byte as it was
        } else {
            AgregaUtf8(r, m);
        }
    }
    return r;
}

std::string Recorta(std::string_view s) {
    const auto inicio = s.find_first_not_of(' ');
    if (inicio == std::string_view::npos) return {};
    const auto fin = s.find_last_not_of(' ');
    return std::string(s.substr(inicio, fin - inicio + 1));
}

std::string SinBlancos(std::string_view s) {
    std::string r;
    r.reserve(s.size());
    for (char ch : s)
        if (ch != ' ') r.push_back(ch);
    return r;
}

int ComparaOrdinal(std::string_view a, std::string_view b) {
    // UTF-8 byte order equals code point order; it differs from UTF-16 code unit order only
    // where a supplementary character meets one of U+E000..U+FFFF, so decode just then.
    std::size_t i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        if (a[i] == b[j]) {
            ++i;
            ++j;
            continue;
        }
        // Back up to the start of the differing characters.
        while (i > 0 && (static_cast<unsigned char>(a[i]) & 0xC0) == 0x80) --i;
        while (j > 0 && (static_cast<unsigned char>(b[j]) & 0xC0) == 0x80) --j;
        const char32_t ca = Decodifica(a, i);
        const char32_t cb = Decodifica(b, j);
        auto primeraUnidad = [](char32_t c) -> std::uint32_t {
            return c >= 0x10000 ? 0xD800 + ((c - 0x10000) >> 10) : c;
        };
        const std::uint32_t ua = primeraUnidad(ca), ub = primeraUnidad(cb);
        if (ua != ub) return ua < ub ? -1 : 1;
        if (ca != cb) return ca < cb ? -1 : 1;
    }
    if (i < a.size()) return 1;
    if (j < b.size()) return -1;
    return 0;
}

bool IgualesSinMayusculas(std::string_view a, std::string_view b) {
    return Mayusculas(a) == Mayusculas(b);
}

bool ContieneSinMayusculas(std::string_view pajar, std::string_view aguja) {
    return Mayusculas(pajar).find(Mayusculas(aguja)) != std::string::npos;
}

}  // namespace mirvalo::texto
