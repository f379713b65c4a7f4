#include "webapi/Decimal.h"

#include <gtest/gtest.h>

#include <limits>
#include <optional>
#include <string>

namespace mirvalo {
namespace {

using Lectura = Decimal::Lectura;

TEST(Decimal, ReadsNumbersExactlyAndWritesTheirPlainForm) {
    struct Caso {
        std::string entrada;
        std::string texto;
    };
    const Caso casos[] = {
        {"0", "0"},
        {"-0", "0"},
        {"+12", "12"},
        {"007", "7"},
        {"-0.5", "-0.5"},
        {"2.50", "2.5"},
        {".5", "0.5"},
        {"5.", "5"},
        {"1000000", "1000000"},
        {"1e6", "1000000"},
        {"1.5E+2", "150"},
        {"12345e-3", "12.345"},
        {"0.000001", "0.000001"},
        {"0e999999999999", "0"},
        // 28 and more significant digits survive untouched, where a double keeps 15 to 17.
        {"1234567890123456789012345678.9", "1234567890123456789012345678.9"},
        {"0.1234567890123456789012345678901234567", "0.1234567890123456789012345678901234567"},
        {"99999999999999999999999999999999999999", "99999999999999999999999999999999999999"},
        // Beyond 38 significant digits: rounded half to even.
        {"1.23456789012345678901234567890123456785", "1.2345678901234567890123456789012345678"},
        {"1.23456789012345678901234567890123456795", "1.234567890123456789012345678901234568"},
        {"1.2345678901234567890123456789012345678500001", "1.2345678901234567890123456789012345679"},
        {"1.00000000000000000000000000000000000000000000001", "1"},
        // Leading zeros and a long exponent-compensated mantissa are not significant digits.
        {"0000000000000000000000000000000000000000000000001", "1"},
        {"100000000000000000000000000000000000000000000000000e-50", "1"},
        // At most 64 digits after the point, rounded half to even.
        {"1e-64", "0." + std::string(63, '0') + "1"},
        {"6e-65", "0." + std::string(63, '0') + "1"},
        {"-1.5e-64", "-0." + std::string(63, '0') + "2"},
        {"5e-65", "0"},
        {"1e-999999999999", "0"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.entrada);
        const auto d = Decimal::Lee(caso.entrada);
        ASSERT_TRUE(d.has_value());
        EXPECT_EQ(d->Texto(), caso.texto);
    }
}

TEST(Decimal, TellsMalformedTextsFromValuesOutOfRange) {
    struct Caso {
        std::string entrada;
        Lectura lectura;
    };
    const Caso casos[] = {
        {"", Lectura::Malformada},
        {"-", Lectura::Malformada},
        {".", Lectura::Malformada},
        {"+-1", Lectura::Malformada},
        {"1.2.3", Lectura::Malformada},
        {"1-2", Lectura::Malformada},
        {"e5", Lectura::Malformada},
        {"1e", Lectura::Malformada},
        {"1e+", Lectura::Malformada},
        {"1e5.0", Lectura::Malformada},
        {"1,5", Lectura::Malformada},
        {" 1", Lectura::Malformada},
        {"1e38", Lectura::FueraDeIntervalo},
        {"-100000000000000000000000000000000000000", Lectura::FueraDeIntervalo},
        {"99999999999999999999999999999999999999.5", Lectura::FueraDeIntervalo},
        {"1e999999999999", Lectura::FueraDeIntervalo},
        {"9.9e37", Lectura::Correcta},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.entrada);
        Decimal d;
        EXPECT_EQ(Decimal::Lee(caso.entrada, d), caso.lectura);
        EXPECT_EQ(Decimal::Lee(caso.entrada).has_value(), caso.lectura == Lectura::Correcta);
    }
}

TEST(Decimal, RoundsToIntegersHalfToEvenWithinInt64) {
    struct Caso {
        std::string entrada;
        std::optional<int64_t> entero;
    };
    const Caso casos[] = {
        {"2.5", 2},
        {"3.5", 4},
        {"-2.5", -2},
        {"-3.5", -4},
        {"2.5000000000000000000000000001", 3},
        {"0.4999999999999999999999999999", 0},
        {"-0.5", 0},
        {"1e-60", 0},
        {"1048576", 1048576},
        {"1.2e3", 1200},
        {"9223372036854775807", std::numeric_limits<int64_t>::max()},
        {"-9223372036854775808", std::numeric_limits<int64_t>::min()},
        {"9223372036854775807.5", std::nullopt},
        {"9223372036854775808", std::nullopt},
        {"-9223372036854775809", std::nullopt},
        {"1e30", std::nullopt},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.entrada);
        EXPECT_EQ(Decimal::Lee(caso.entrada)->RedondeaAEntero(), caso.entero);
    }
}

TEST(Decimal, ComparesByValueAndConvertsToDouble) {
    EXPECT_EQ(*Decimal::Lee("1.50"), *Decimal::Lee("1.5"));
    EXPECT_EQ(*Decimal::Lee("1e2"), *Decimal::Lee("100"));
    EXPECT_EQ(*Decimal::Lee("-0.0"), Decimal());
    EXPECT_EQ(Decimal::DesdeEntero(-1200), *Decimal::Lee("-1.2e3"));
    EXPECT_FALSE(*Decimal::Lee("0.1") == *Decimal::Lee("0.10000000000000000000000000001"));

    EXPECT_EQ(Decimal::DesdeEntero(std::numeric_limits<int64_t>::min()).Texto(), "-9223372036854775808");
    EXPECT_EQ(Decimal::DesdeEntero(std::numeric_limits<int64_t>::min()).RedondeaAEntero(),
              std::numeric_limits<int64_t>::min());

    EXPECT_TRUE(Decimal().EsCero());
    EXPECT_TRUE(Decimal::Lee("-0e5")->EsCero());
    EXPECT_FALSE(Decimal::Lee("1e-64")->EsCero());

    EXPECT_EQ(Decimal::Lee("0.1")->ADouble(), 0.1);
    EXPECT_EQ(Decimal::Lee("-2.5e-3")->ADouble(), -0.0025);
    EXPECT_EQ(Decimal::Lee("123456789.125")->ADouble(), 123456789.125);
}

}  // namespace
}  // namespace mirvalo
