#include "webapi/LectorDeClaves.h"

#include <gtest/gtest.h>

#include "platform/Error.h"
#include "webapi/EX_JSON.h"

namespace mirvalo {
namespace {

enum class Lectura { Entero16, Entero32, Texto, Booleano };

struct Caso {
    const char* objeto;  // the answer; the key read is always "v"
    Lectura lectura;
    std::string esperado;  // the value read, as text ("true"/"false" for booleans)
    int32_t error = 0;     // the error number raised instead, when not 0
};

std::string Lee(const ObjetoJson& objeto, Lectura lectura) {
    const LectorDeClaves claves(objeto);
    switch (lectura) {
        case Lectura::Entero16: return std::to_string(claves.Entero16("v"));
        case Lectura::Entero32: return std::to_string(claves.Entero32("v"));
        case Lectura::Texto: return claves.Texto("v");
        case Lectura::Booleano: return claves.Booleano("v") ? "true" : "false";
    }
    return {};
}

constexpr int32_t Desborda = errores::Desbordamiento;
constexpr int32_t NoCoincide = errores::TiposNoCoinciden;

TEST(LectorDeClavesTest, ReadsEveryKindOfValueByTheSameRules) {
    const Caso casos[] = {
        // Absent or empty values read as the type's empty value; keys match with their case.
        {"{}", Lectura::Entero16, "0"},
        {"{\"V\": 5}", Lectura::Entero32, "0"},
        {"{}", Lectura::Texto, ""},
        {"{}", Lectura::Booleano, "false"},
        {"{\"v\": 12", Lectura::Entero16, "0"},  // a number cut by the end of the input is empty
        // Integers: half to even, numeric texts, booleans, range limits.
        {"{\"v\": 2.5}", Lectura::Entero16, "2"},
        {"{\"v\": 3.5}", Lectura::Entero16, "4"},
        {"{\"v\": -2.5}", Lectura::Entero32, "-2"},
        {"{\"v\": 1.4999}", Lectura::Entero32, "1"},
        {"{\"v\": \" 12 \"}", Lectura::Entero16, "12"},
        {"{\"v\": \"2.5\"}", Lectura::Entero16, "2"},
        {"{\"v\": true}", Lectura::Entero16, "-1"},
        {"{\"v\": false}", Lectura::Entero32, "0"},
        {"{\"v\": 32767}", Lectura::Entero16, "32767"},
        {"{\"v\": -32768.5}", Lectura::Entero16, "-32768"},
        {"{\"v\": 32767.5}", Lectura::Entero16, "", Desborda},
        {"{\"v\": -32769}", Lectura::Entero16, "", Desborda},
        {"{\"v\": 2147483647}", Lectura::Entero32, "2147483647"},
        {"{\"v\": -2147483649}", Lectura::Entero32, "", Desborda},
        {"{\"v\": 1e30}", Lectura::Entero32, "", Desborda},
        {"{\"v\": \"40000\"}", Lectura::Entero16, "", Desborda},
        {"{\"v\": \"doce\"}", Lectura::Entero16, "", NoCoincide},
        {"{\"v\": \"\"}", Lectura::Entero32, "", NoCoincide},
        {"{\"v\": null}", Lectura::Entero16, "", NoCoincide},
        {"{\"v\": {}}", Lectura::Entero32, "", NoCoincide},
        {"{\"v\": []}", Lectura::Entero32, "", NoCoincide},
        // Texts.
        {"{\"v\": \" tal cual \"}", Lectura::Texto, " tal cual "},
        {"{\"v\": 12.50}", Lectura::Texto, "12.5"},
        {"{\"v\": -7}", Lectura::Texto, "-7"},
        {"{\"v\": true}", Lectura::Texto, "True"},
        {"{\"v\": null}", Lectura::Texto, "", NoCoincide},
        {"{\"v\": [\"a\"]}", Lectura::Texto, "", NoCoincide},
        // Booleans.
        {"{\"v\": true}", Lectura::Booleano, "true"},
        {"{\"v\": 0}", Lectura::Booleano, "false"},
        {"{\"v\": -2}", Lectura::Booleano, "true"},
        {"{\"v\": \"FALSE\"}", Lectura::Booleano, "false"},
        {"{\"v\": \" True \"}", Lectura::Booleano, "true"},
        {"{\"v\": \"1\"}", Lectura::Booleano, "true"},
        {"{\"v\": \"si\"}", Lectura::Booleano, "", NoCoincide},
        {"{\"v\": null}", Lectura::Booleano, "", NoCoincide},
        {"{\"v\": {}}", Lectura::Booleano, "", NoCoincide},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.objeto);
        const auto valor = EX_JSON().parse(caso.objeto);
        ASSERT_TRUE(valor.has_value());
        ASSERT_EQ(valor->tipo(), ValorJson::Tipo::Objeto);
        try {
            EXPECT_EQ(Lee(valor->Objeto(), caso.lectura), caso.esperado);
            EXPECT_EQ(caso.error, 0) << "no error raised";
        } catch (const Error& e) {
            EXPECT_EQ(e.Numero(), caso.error);
            EXPECT_EQ(e.Descripcion(), DescripcionEstandar(caso.error));
        }
    }
}

TEST(LectorDeClavesTest, AnItemThatIsNoObjectIsATypeMismatch) {
    const auto lista = EX_JSON().parse("[{\"v\": 1}, 2, null]");
    ASSERT_TRUE(lista.has_value());
    EXPECT_EQ(LectorDeClaves(lista->Lista().at(0)).Entero16("v"), 1);
    for (size_t i : {1u, 2u}) {
        try {
            LectorDeClaves item(lista->Lista().at(i));
            ADD_FAILURE() << "item " << i << " accepted";
        } catch (const Error& e) {
            EXPECT_EQ(e.Numero(), errores::TiposNoCoinciden);
        }
    }
}

}  // namespace
}  // namespace mirvalo
