#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace mirvalo {

// An exact decimal number, as the JSON reader yields numbers: coefficient × 10^exponent with at
// least 28 significant digits (the coefficient holds up to 38). Never a binary floating point.
class Decimal {
public:
    Decimal() = default;
    static Decimal DesdeEntero(int64_t valor);

    // Reads the characters a JSON number is made of ("+-0123456789.eE"): an optional sign, digits
    // with an optional "." and fraction, an optional exponent. nullopt when malformed or when the
    // value cannot be held (more significant digits than the coefficient holds are rounded half
    // to even; a magnitude beyond the range is nullopt).
    static std::optional<Decimal> Lee(std::string_view texto);

    // The same reading, telling a malformed text apart from a value out of range (the reader
    // reports them as different failures).
    enum class Lectura { Correcta, Malformada, FueraDeIntervalo };
    static Lectura Lee(std::string_view texto, Decimal& destino);

    // Rounded to the nearest integer, ties to the even one; nullopt beyond the int64 range.
    std::optional<int64_t> RedondeaAEntero() const;
    bool EsCero() const;
    double ADouble() const;
    // The plain decimal form: "-" when negative, no exponent, no trailing fraction zeros,
    // "." as separator ("12", "-0.5", "1000000").
    std::string Texto() const;

    friend bool operator==(const Decimal& a, const Decimal& b);

    // Limits of what a value holds: |value| < 10^38, at most 38 significant digits and at most
    // 64 digits after the point (finer fractions are rounded half to even).
    static constexpr int DigitosMaximos = 38;
    static constexpr int EscalaMaxima = 64;

private:
    __extension__ using Coeficiente = __int128;
    Coeficiente coeficiente_ = 0;
    int32_t exponente_ = 0;
};

}  // namespace mirvalo
