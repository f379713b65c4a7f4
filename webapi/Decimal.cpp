#include "webapi/Decimal.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <limits>

namespace mirvalo {
namespace {

__extension__ typedef unsigned __int128 Magnitud;

constexpr std::array<Magnitud, Decimal::DigitosMaximos + 1> PotenciasDeDiez = [] {
    std::array<Magnitud, Decimal::DigitosMaximos + 1> potencias{};
    Magnitud p = 1;
    for (auto& potencia : potencias) {
        potencia = p;
        p *= 10;
    }
    return potencias;
}();

int CuentaDigitos(Magnitud v) {
    int digitos = 1;
    while (digitos <= Decimal::DigitosMaximos && v >= PotenciasDeDiez[digitos]) ++digitos;
    return digitos;
}

// v / 10^n rounded half to even. Any v below 10^38 divided by 10^39 or more is below one half.
Magnitud DivideRedondeando(Magnitud v, int64_t n) {
    if (n <= 0) return v;
    if (n > Decimal::DigitosMaximos) return 0;
    const Magnitud divisor = PotenciasDeDiez[n];
    Magnitud cociente = v / divisor;
    const Magnitud resto = v % divisor;
    const Magnitud mitad = divisor / 2;
    if (resto > mitad || (resto == mitad && (cociente & 1) != 0)) ++cociente;
    return cociente;
}

// Strips trailing zeros so that every value has exactly one representation (equality is then
// member-wise). Most coefficients fit 64 bits, where division is far cheaper than in 128.
void Normaliza(Magnitud& coeficiente, int64_t& exponente) {
    if (coeficiente == 0) {
        exponente = 0;
        return;
    }
    while (coeficiente > std::numeric_limits<uint64_t>::max() && coeficiente % 10 == 0) {
        coeficiente /= 10;
        ++exponente;
    }
    if (coeficiente <= std::numeric_limits<uint64_t>::max()) {
        auto corto = static_cast<uint64_t>(coeficiente);
        while (corto % 10 == 0) {
            corto /= 10;
            ++exponente;
        }
        coeficiente = corto;
    }
}

std::string DigitosDe(Magnitud v) {
    std::string digitos;
    do {
        digitos.push_back(static_cast<char>('0' + static_cast<int>(v % 10)));
        v /= 10;
    } while (v != 0);
    std::reverse(digitos.begin(), digitos.end());
    return digitos;
}

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

Decimal Decimal::DesdeEntero(int64_t valor) {
    const bool negativo = valor < 0;
    Magnitud magnitud = negativo ? Magnitud(0) - static_cast<Magnitud>(static_cast<Coeficiente>(valor))
                                 : static_cast<Magnitud>(valor);
    int64_t exponente = 0;
    Normaliza(magnitud, exponente);
    Decimal d;
    d.coeficiente_ = negativo ? -static_cast<Coeficiente>(magnitud) : static_cast<Coeficiente>(magnitud);
    d.exponente_ = static_cast<int32_t>(exponente);
    return d;
}

std::optional<Decimal> Decimal::Lee(std::string_view texto) {
    Decimal d;
    if (Lee(texto, d) != Lectura::Correcta) return std::nullopt;
    return d;
}

Decimal::Lectura Decimal::Lee(std::string_view texto, Decimal& destino) {
    const std::size_t n = texto.size();
    std::size_t i = 0;
    bool negativo = false;
    if (i < n && (texto[i] == '+' || texto[i] == '-')) negativo = texto[i++] == '-';

    // Digits beyond the 38 the coefficient holds are remembered only as far as rounding needs:
    // the first one dropped and whether any later one is not zero.
    Magnitud coeficiente = 0;
    int significativos = 0;
    int primerDescartado = -1;
    bool restoNoNulo = false;
    int64_t ajuste = 0;  // power of ten the collected digits are to be multiplied by
    bool hayDigitos = false;
    const auto agrega = [&](int digito, bool enFraccion) {
        hayDigitos = true;
        if (significativos == 0 && digito == 0) {
            if (enFraccion) --ajuste;
            return;
        }
        if (significativos < DigitosMaximos) {
            coeficiente = coeficiente * 10 + static_cast<unsigned>(digito);
            ++significativos;
            if (enFraccion) --ajuste;
            return;
        }
        if (primerDescartado < 0) {
            primerDescartado = digito;
        } else if (digito != 0) {
            restoNoNulo = true;
        }
        if (!enFraccion) ++ajuste;
    };
    for (; i < n && EsDigito(texto[i]); ++i) agrega(texto[i] - '0', false);
    if (i < n && texto[i] == '.') {
        for (++i; i < n && EsDigito(texto[i]); ++i) agrega(texto[i] - '0', true);
    }
    if (!hayDigitos) return Lectura::Malformada;

    int64_t exponente = 0;
    if (i < n && (texto[i] == 'e' || texto[i] == 'E')) {
        ++i;
        bool exponenteNegativo = false;
        if (i < n && (texto[i] == '+' || texto[i] == '-')) exponenteNegativo = texto[i++] == '-';
        if (i == n || !EsDigito(texto[i])) return Lectura::Malformada;
        // Saturates: any exponent this large is out of range or rounds to zero anyway.
        for (; i < n && EsDigito(texto[i]); ++i) {
            if (exponente < 1'000'000'000) exponente = exponente * 10 + (texto[i] - '0');
        }
        if (exponenteNegativo) exponente = -exponente;
    }
    if (i != n) return Lectura::Malformada;

    if (primerDescartado > 5 || (primerDescartado == 5 && (restoNoNulo || (coeficiente & 1) != 0))) {
        ++coeficiente;
        if (coeficiente == PotenciasDeDiez[DigitosMaximos]) {
            coeficiente = PotenciasDeDiez[DigitosMaximos - 1];
            ++ajuste;
        }
    }
    exponente += ajuste;
    Normaliza(coeficiente, exponente);
    if (coeficiente != 0 && exponente < -EscalaMaxima) {
        coeficiente = DivideRedondeando(coeficiente, -EscalaMaxima - exponente);
        exponente = -EscalaMaxima;
        Normaliza(coeficiente, exponente);
    }
    if (coeficiente != 0 && CuentaDigitos(coeficiente) + exponente > DigitosMaximos) {
        return Lectura::FueraDeIntervalo;
    }
    destino.coeficiente_ =
        negativo ? -static_cast<Coeficiente>(coeficiente) : static_cast<Coeficiente>(coeficiente);
    destino.exponente_ = static_cast<int32_t>(exponente);
    return Lectura::Correcta;
}

std::optional<int64_t> Decimal::RedondeaAEntero() const {
    const bool negativo = coeficiente_ < 0;
    const Magnitud magnitud =
        negativo ? static_cast<Magnitud>(-coeficiente_) : static_cast<Magnitud>(coeficiente_);
    Magnitud entero;
    if (exponente_ >= 0) {
        if (magnitud != 0 && CuentaDigitos(magnitud) + exponente_ > 19) return std::nullopt;
        entero = magnitud * PotenciasDeDiez[exponente_];
    } else {
        entero = DivideRedondeando(magnitud, -static_cast<int64_t>(exponente_));
    }
    constexpr auto maximo = static_cast<Magnitud>(std::numeric_limits<int64_t>::max());
    if (entero > maximo + (negativo ? 1 : 0)) return std::nullopt;
    if (negativo) return static_cast<int64_t>(-static_cast<Coeficiente>(entero));
    return static_cast<int64_t>(entero);
}

bool Decimal::EsCero() const {
    return coeficiente_ == 0;
}

double Decimal::ADouble() const {
    // Through text so that the result is the double nearest to the exact value.
    std::string texto = Texto();
    double valor = 0;
    std::from_chars(texto.data(), texto.data() + texto.size(), valor);
    return valor;
}

std::string Decimal::Texto() const {
    const bool negativo = coeficiente_ < 0;
    std::string digitos =
        DigitosDe(negativo ? static_cast<Magnitud>(-coeficiente_) : static_cast<Magnitud>(coeficiente_));
    std::string texto = negativo ? "-" : "";
    if (exponente_ >= 0) {
        texto += digitos;
        if (coeficiente_ != 0) texto.append(static_cast<std::size_t>(exponente_), '0');
        return texto;
    }
    const auto decimales = static_cast<std::size_t>(-static_cast<int64_t>(exponente_));
    if (digitos.size() <= decimales) {
        texto += "0.";
        texto.append(decimales - digitos.size(), '0');
        texto += digitos;
    } else {
        texto.append(digitos, 0, digitos.size() - decimales);
        texto += '.';
        texto.append(digitos, digitos.size() - decimales);
    }
    return texto;
}

bool operator==(const Decimal& a, const Decimal& b) {
    return a.coeficiente_ == b.coeficiente_ && a.exponente_ == b.exponente_;
}

}  // namespace mirvalo
