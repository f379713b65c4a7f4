#include "webapi/EX_JSON.h"

#include <algorithm>
#include <array>
#include <cstring>
#include <new>

#include "platform/Error.h"
#include "platform/Texto.h"
#include "webapi/EX_StringBuilder.h"

namespace mirvalo {
namespace {

constexpr std::string_view FinDeLinea = "\r\n";
// Runtime descriptions of the two failures that the platform's table does not name.
constexpr std::string_view ClaveRepetida =
    "This key is already associated with an element of this collection";
constexpr std::string_view SinEspacioDePila = "Out of stack space";
// Nesting beyond this would overflow the stack while reading (or while freeing the tree).
constexpr int ProfundidadMaxima = 512;
// Diagnostics quote the rest of the input; on a large answer full of bad literals that would
// grow without bound, so they are cut here.
constexpr std::size_t ErroresMaximos = std::size_t{16} << 20;
constexpr std::size_t CaracteresCitados = 20;

// Classes of the bytes below 0x80, looked up instead of compared in the inner loops.
enum : uint8_t { Ordinario = 0, Blanco = 1, Comilla = 2, DosPuntos = 4, Barra = 8, DeNumero = 16 };
constexpr std::array<uint8_t, 128> ClasesAscii = [] {
    std::array<uint8_t, 128> clases{};
    for (char c : std::string_view("\r\n\t ")) clases[static_cast<unsigned char>(c)] |= Blanco;
    clases['"'] |= Comilla;
    clases['\''] |= Comilla;
    clases[':'] |= DosPuntos;
    clases['\\'] |= Barra;
    for (char c : std::string_view("+-0123456789.eE")) clases[static_cast<unsigned char>(c)] |= DeNumero;
    return clases;
}();

// Length of the well-formed UTF-8 sequence at `p` (lead byte at least 0x80), or 0 when it is
// malformed: then, as in the platform's text helpers, that one byte stands for U+FFFD.
std::size_t SecuenciaUtf8(const char* p, const char* fin) {
    const auto b0 = static_cast<unsigned char>(*p);
    std::size_t extra;
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
        return 0;
    }
    if (static_cast<std::size_t>(fin - p) <= extra) return 0;
    for (std::size_t k = 1; k <= extra; ++k) {
        const auto b = static_cast<unsigned char>(p[k]);
        if ((b & 0xC0) != 0x80) return 0;
        c = (c << 6) | (b & 0x3F);
    }
    static constexpr char32_t minimo[] = {0, 0x80, 0x800, 0x10000};
    if (c < minimo[extra] || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF)) return 0;
    return extra + 1;
}

int ValorHexadecimal(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    return -1;
}

// Input text cleaned of malformed UTF-8, for quoting in the diagnostics.
std::string Limpio(std::string_view texto) {
    return texto::DesdeUtf16(texto::AUtf16(texto));
}

// One run of the reader over one input. Works on the UTF-8 bytes directly: every character with
// a meaning to the grammar is ASCII, so other characters are copied whole and only counted
// (in UTF-16 code units) when a diagnostic needs a position.
class Lector {
public:
    Lector(std::string_view texto, std::string& errores)
        : inicio_(texto.data()), p_(texto.data()), fin_(texto.data() + texto.size()), errores_(errores) {
        marcaDePosicion_ = inicio_;
    }

    std::optional<ValorJson> Lee() {
        Salta();
        if (p_ < fin_ && *p_ == '{') return LeeObjeto();
        if (p_ < fin_ && *p_ == '[') return LeeLista();
        errores_ = "Invalid JSON";
        return std::nullopt;
    }

private:
    enum class Resultado { Bien, LiteralInvalido, Fallo };

    bool En(char c) const { return p_ < fin_ && *p_ == c; }

    // Moves over blanks, parentheses and comments before a token.
    void Salta() {
        bool inicioDeComentario = false;
        bool enComentario = false;
        bool enBloque = false;
        for (; p_ < fin_; ++p_) {
            switch (*p_) {
                case '\r':
                case '\n':
                    if (!enBloque) inicioDeComentario = enComentario = false;
                    break;
                case '\t':
                case ' ':
                case '(':
                case ')': break;
                case '/':
                    if (!enBloque) {
                        enComentario = inicioDeComentario;
                        inicioDeComentario = !inicioDeComentario;
                    } else if (inicioDeComentario) {
                        inicioDeComentario = enComentario = enBloque = false;
                    }
                    break;
                case '*':
                    if (inicioDeComentario) {
                        enComentario = enBloque = true;
                        inicioDeComentario = false;
                    } else {
                        inicioDeComentario = true;
                    }
                    break;
                default:
                    if (!enComentario) return;
            }
        }
    }

    ValorJson LeeObjeto() {
        ObjetoJson objeto;
        ++p_;
        ++profundidad_;
        for (;;) {
            Salta();
            if (En('}')) {
                ++p_;
                break;
            }
            if (En(',')) {
                ++p_;
                Salta();
            }
            if (p_ >= fin_) {
                AnotaFaltante("Missing '}': ");
                break;
            }
            std::string clave = LeeClave();
            ValorJson valor;
            std::string_view fallo;
            if (LeeValor(valor, fallo) == Resultado::Fallo) {
                AnotaFallo(fallo, clave);
                break;
            }
            if (objeto.Busca(clave) != nullptr) {
                AnotaFallo(ClaveRepetida, clave);
                break;
            }
            objeto.Agrega(std::move(clave), std::move(valor));
            if (abandonado_) break;
        }
        --profundidad_;
        return ValorJson(std::move(objeto));
    }

    ValorJson LeeLista() {
        ListaJson lista;
        ++p_;
        ++profundidad_;
        for (;;) {
            Salta();
            if (En(']')) {
                ++p_;
                break;
            }
            if (En(',')) {
                ++p_;
                Salta();
            }
            if (p_ >= fin_) {
                AnotaFaltante("Missing ']': ");
                break;
            }
            ValorJson valor;
            std::string_view fallo;
            const Resultado resultado = LeeValor(valor, fallo);
            if (resultado == Resultado::Fallo) {
                AnotaFallo(fallo, Limpio(texto::Izquierda(Resto(CaracteresCitados * 4), CaracteresCitados)));
                break;
            }
            lista.push_back(std::move(valor));
            if (resultado == Resultado::LiteralInvalido || abandonado_) break;
        }
        --profundidad_;
        return ValorJson(std::move(lista));
    }

    // Blanks are dropped even between quotation marks; a quoted stretch only protects ":".
    std::string LeeClave() {
        Salta();
        texto_.Limpia();
        char comilla = 0;
        const char* tramo = p_;
        while (p_ < fin_) {
            const auto c = static_cast<unsigned char>(*p_);
            if (c >= 0x80) {
                AvanzaNoAscii(tramo);
                continue;
            }
            const uint8_t clase = ClasesAscii[c];
            if ((clase & (Blanco | Comilla | DosPuntos)) == 0) {
                ++p_;
                continue;
            }
            texto_.Append(std::string_view(tramo, p_ - tramo));
            ++p_;
            tramo = p_;
            if (clase & Blanco) continue;
            if (comilla == 0) {
                if (clase & DosPuntos) return texto_.ToString();
                comilla = static_cast<char>(c);
            } else if (static_cast<char>(c) == comilla) {
                comilla = 0;
                Salta();
                tramo = p_;
                if (!En(':')) {
                    std::string clave = texto_.ToString();
                    Anota("Invalid Key at position ", Posicion(p_), " : ", clave, FinDeLinea);
                    return clave;
                }
            } else {
                texto_.Append(static_cast<char>(c));  // the other quotation mark, or ":" when quoted
            }
        }
        texto_.Append(std::string_view(tramo, p_ - tramo));
        return texto_.ToString();
    }

    Resultado LeeValor(ValorJson& valor, std::string_view& fallo) {
        Salta();
        if (p_ >= fin_) return Resultado::Bien;  // a number cut by the end: the empty value
        switch (*p_) {
            case '{':
            case '[':
                if (profundidad_ >= ProfundidadMaxima) {
                    abandonado_ = true;
                    fallo = SinEspacioDePila;
                    return Resultado::Fallo;
                }
                valor = *p_ == '{' ? LeeObjeto() : LeeLista();
                return Resultado::Bien;
            case '"':
            case '\'': return LeeTexto(valor, fallo);
            case 't':
            case 'f': return LeeBooleano(valor);
            case 'n': return LeeNulo(valor);
            default: return LeeNumero(valor, fallo);
        }
    }

    Resultado LeeTexto(ValorJson& valor, std::string_view& fallo) {
        const char cierre = *p_++;
        texto_.Limpia();
        altoPendiente_ = 0;
        const char* tramo = p_;
        while (p_ < fin_) {
            const auto c = static_cast<unsigned char>(*p_);
            if (c >= 0x80) {
                AvanzaNoAscii(tramo);
                continue;
            }
            if (static_cast<char>(c) != cierre && c != '\\') {
                ++p_;
                continue;
            }
            if (p_ > tramo) AgregaAlTexto(std::string_view(tramo, p_ - tramo));
            if (static_cast<char>(c) == cierre) {
                ++p_;
                tramo = p_;
                break;
            }
            if (++p_ == fin_) {
                tramo = p_;
                break;
            }
            if (!LeeEscape(fallo)) return Resultado::Fallo;
            tramo = p_;
        }
        if (p_ > tramo) AgregaAlTexto(std::string_view(tramo, p_ - tramo));
        CierraSustitutoPendiente();
        valor = ValorJson(texto_.ToString());
        return Resultado::Bien;
    }

    // At the character after a backslash; moves past the escape.
    bool LeeEscape(std::string_view& fallo) {
        const char c = *p_;
        switch (c) {
            case 'b': AgregaAlTexto("\b"); break;
            case 'f': AgregaAlTexto("\f"); break;
            case 'n': AgregaAlTexto("\n"); break;
            case 'r': AgregaAlTexto("\r"); break;
            case 't': AgregaAlTexto("\t"); break;
            case 'u': {
                if (fin_ - p_ <= 4) {  // cut by the end of the input: the text ends there
                    p_ = fin_;
                    return true;
                }
                char32_t unidad = 0;
                for (int k = 1; k <= 4; ++k) {
                    const int digito = ValorHexadecimal(p_[k]);
                    if (digito < 0) {
                        fallo = TiposNoCoinciden;
                        return false;
                    }
                    unidad = unidad * 16 + static_cast<char32_t>(digito);
                }
                p_ += 5;
                AgregaUnidadUtf16(unidad);
                return true;
            }
            default: {
                // That character itself, whole when it is not ASCII.
                const char* tramo = p_;
                if (static_cast<unsigned char>(c) < 0x80) {
                    ++p_;
                    AgregaAlTexto(std::string_view(tramo, 1));
                } else {
                    AvanzaNoAscii(tramo);
                    AgregaAlTexto(std::string_view(tramo, p_ - tramo));
                }
                return true;
            }
        }
        ++p_;
        return true;
    }

    // \u escapes give UTF-16 code units: a high surrogate waits for the low one that completes
    // the character; one left alone becomes U+FFFD.
    void AgregaUnidadUtf16(char32_t unidad) {
        if (unidad >= 0xDC00 && unidad <= 0xDFFF && altoPendiente_ != 0) {
            const char32_t punto = 0x10000 + ((altoPendiente_ - 0xD800) << 10) + (unidad - 0xDC00);
            altoPendiente_ = 0;
            AgregaPuntoDeCodigo(punto);
            return;
        }
        CierraSustitutoPendiente();
        if (unidad >= 0xD800 && unidad <= 0xDBFF) {
            altoPendiente_ = unidad;
        } else {
            AgregaPuntoDeCodigo(unidad >= 0xDC00 && unidad <= 0xDFFF ? 0xFFFD : unidad);
        }
    }

    void AgregaPuntoDeCodigo(char32_t punto) {
        std::string utf8;
        texto::AgregaUtf8(utf8, punto);
        texto_.Append(utf8);
    }

    void CierraSustitutoPendiente() {
        if (altoPendiente_ == 0) return;
        altoPendiente_ = 0;
        AgregaPuntoDeCodigo(0xFFFD);
    }

    void AgregaAlTexto(std::string_view trozo) {
        CierraSustitutoPendiente();
        texto_.Append(trozo);
    }

    // Moves past the non-ASCII character at p_. A malformed byte is replaced by U+FFFD in the
    // text being collected (what is before it in the current stretch is flushed first).
    void AvanzaNoAscii(const char*& tramo) {
        const std::size_t longitud = SecuenciaUtf8(p_, fin_);
        if (longitud != 0) {
            p_ += longitud;
            return;
        }
        AgregaAlTexto(std::string_view(tramo, p_ - tramo));
        AgregaPuntoDeCodigo(0xFFFD);
        tramo = ++p_;
    }

    Resultado LeeBooleano(ValorJson& valor) {
        if (Empieza("true")) {
            valor = ValorJson(true);
            return Resultado::Bien;
        }
        if (Empieza("false")) {
            valor = ValorJson(false);
            return Resultado::Bien;
        }
        AnotaLiteralInvalido("Invalid Boolean at position ");
        valor = ValorJson(false);
        return Resultado::LiteralInvalido;
    }

    Resultado LeeNulo(ValorJson& valor) {
        if (Empieza("null")) {
            valor = ValorJson(ValorJson::Nulo{});
            return Resultado::Bien;
        }
        AnotaLiteralInvalido("Invalid null value at position ");
        return Resultado::LiteralInvalido;
    }

    // Moves past `literal` when the input continues with it.
    bool Empieza(std::string_view literal) {
        if (static_cast<std::size_t>(fin_ - p_) < literal.size() ||
            std::memcmp(p_, literal.data(), literal.size()) != 0) {
            return false;
        }
        p_ += literal.size();
        return true;
    }

    Resultado LeeNumero(ValorJson& valor, std::string_view& fallo) {
        const char* inicio = p_;
        while (p_ < fin_ && static_cast<unsigned char>(*p_) < 0x80 &&
               (ClasesAscii[static_cast<unsigned char>(*p_)] & DeNumero)) {
            ++p_;
        }
        if (p_ == fin_) return Resultado::Bien;  // cut by the end of the input: the empty value
        Decimal numero;
        switch (Decimal::Lee(std::string_view(inicio, p_ - inicio), numero)) {
            case Decimal::Lectura::Correcta: valor = ValorJson(numero); return Resultado::Bien;
            case Decimal::Lectura::FueraDeIntervalo: fallo = Desbordamiento; return Resultado::Fallo;
            case Decimal::Lectura::Malformada: break;
        }
        fallo = TiposNoCoinciden;
        return Resultado::Fallo;
    }

    // Diagnostics. ---------------------------------------------------------------------------

    // 1-based position of `q` in UTF-16 code units. Positions asked for only grow while reading,
    // so counting goes on from the last one asked for: one pass over the input in all.
    std::size_t Posicion(const char* q) {
        if (q < marcaDePosicion_) {
            marcaDePosicion_ = inicio_;
            unidadesHastaMarca_ = 0;
        }
        unidadesHastaMarca_ += texto::Longitud(std::string_view(marcaDePosicion_, q - marcaDePosicion_));
        marcaDePosicion_ = q;
        return unidadesHastaMarca_ + 1;
    }

    // Up to `bytes` bytes of the input from p_.
    std::string_view Resto(std::size_t bytes) const {
        return std::string_view(p_, std::min<std::size_t>(bytes, fin_ - p_));
    }

    void AnotaFaltante(std::string_view aviso) {
        // The last 20 characters, decoded from a character start a little before them.
        const char* desde = fin_ - std::min<std::size_t>(fin_ - inicio_, CaracteresCitados * 4 + 3);
        for (int k = 0; k < 3 && desde > inicio_ && (static_cast<unsigned char>(*desde) & 0xC0) == 0x80;
             ++k) {
            ++desde;
        }
        std::u16string cola = texto::AUtf16(std::string_view(desde, fin_ - desde));
        std::size_t corte = cola.size() > CaracteresCitados ? cola.size() - CaracteresCitados : 0;
        // A character split by the cut is left out whole.
        if (corte > 0 && cola[corte] >= 0xDC00 && cola[corte] <= 0xDFFF) ++corte;
        Anota(aviso, texto::DesdeUtf16(std::u16string_view(cola).substr(corte)), FinDeLinea);
    }

    void AnotaFallo(std::string_view descripcion, std::string_view detalle) {
        Anota(descripcion, ": ", detalle, FinDeLinea);
    }

    void AnotaLiteralInvalido(std::string_view aviso) {
        if (errores_.size() >= ErroresMaximos) return;
        const std::size_t posicion = Posicion(p_);
        Anota(aviso, posicion, " : ", Limpio(Resto(ErroresMaximos - errores_.size() + 4)), FinDeLinea);
    }

    template <typename... Partes>
    void Anota(const Partes&... partes) {
        (AnotaParte(partes), ...);
    }
    void AnotaParte(std::size_t numero) { AnotaParte(std::string_view(std::to_string(numero))); }
    void AnotaParte(std::string_view parte) {
        if (errores_.size() >= ErroresMaximos) return;
        if (parte.size() > ErroresMaximos - errores_.size()) {
            std::size_t corte = ErroresMaximos - errores_.size();
            while (corte > 0 && (static_cast<unsigned char>(parte[corte]) & 0xC0) == 0x80) --corte;
            parte = parte.substr(0, corte);
        }
        errores_.append(parte);
    }

    const std::string TiposNoCoinciden = DescripcionEstandar(errores::TiposNoCoinciden);
    const std::string Desbordamiento = DescripcionEstandar(errores::Desbordamiento);

    const char* inicio_;
    const char* p_;
    const char* fin_;
    std::string& errores_;
    EX_StringBuilder texto_;  // reused for every key and text: its grown buffer is kept
    char32_t altoPendiente_ = 0;
    int profundidad_ = 0;
    bool abandonado_ = false;  // nesting too deep: every open object and list ends
    const char* marcaDePosicion_;
    std::size_t unidadesHastaMarca_ = 0;
};

}  // namespace

std::optional<ValorJson> EX_JSON::parse(std::string_view texto) {
    errores_.clear();
    try {
        return Lector(texto, errores_).Lee();
    } catch (const std::bad_alloc&) {
        // The only failure left: an input too large for memory. The tree read so far is gone.
        errores_ = DescripcionEstandar(errores::SinMemoria);
        return std::nullopt;
    }
}

}  // namespace mirvalo
