#include "webapi/EX_JSON.h"

#include <gtest/gtest.h>

#include <string>

#include "webapi/EX_StringBuilder.h"

namespace mirvalo {
namespace {

// A compact, unambiguous picture of a decoded tree: keys and texts quoted (control characters
// escaped so they show), numbers in their decimal form, "~" for the empty value.
std::string Dibujo(const ValorJson& v) {
    switch (v.tipo()) {
        case ValorJson::Tipo::Vacio: return "~";
        case ValorJson::Tipo::Nulo: return "null";
        case ValorJson::Tipo::Booleano: return v.Booleano() ? "true" : "false";
        case ValorJson::Tipo::Numero: return v.Numero().Texto();
        case ValorJson::Tipo::Texto: {
            std::string s = "\"";
            for (char c : v.Texto()) {
                if (static_cast<unsigned char>(c) < 0x20) {
                    s += "\\x" + std::to_string(static_cast<int>(c));
                } else {
                    s += c;
                }
            }
            return s + "\"";
        }
        case ValorJson::Tipo::Objeto: {
            std::string s = "{";
            for (const auto& [clave, valor] : v.Objeto().Pares()) {
                if (s.size() > 1) s += ",";
                s += Dibujo(ValorJson(std::string(clave))) + ":" + Dibujo(valor);
            }
            return s + "}";
        }
        case ValorJson::Tipo::Lista: {
            std::string s = "[";
            for (const auto& item : v.Lista()) {
                if (s.size() > 1) s += ",";
                s += Dibujo(item);
            }
            return s + "]";
        }
    }
    return "?";
}

std::string Repite(std::string_view texto, int veces) {
    std::string r;
    for (int i = 0; i < veces; ++i) r += texto;
    return r;
}

struct Caso {
    const char* nombre;
    std::string entrada;
    std::string arbol;  // "nothing" when parse gives nullopt
    std::string diagnosticos;
};

void PruebaCasos(const std::vector<Caso>& casos) {
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EX_JSON lector;
        const auto valor = lector.parse(caso.entrada);
        EXPECT_EQ(valor ? Dibujo(*valor) : "nothing", caso.arbol);
        EXPECT_EQ(lector.GetParserErrors(), caso.diagnosticos);
    }
}

const std::string ClaveRepetida = "This key is already associated with an element of this collection";

TEST(EX_JSON, ReadsStandardJsonAndTheLenientForms) {
    PruebaCasos({
        {"every kind of value", R"({"s":"x","n":-1.5e2,"t":true,"f":false,"z":null,"o":{},"l":[1,[2,"y"]]})",
         R"({"s":"x","n":-150,"t":true,"f":false,"z":null,"o":{},"l":[1,[2,"y"]]})", ""},
        {"top-level list", "[1, 2.50, -0]", "[1,2.5,0]", ""},
        {"wrapped empty file list", "{Archivos:[]}", R"({"Archivos":[]})", ""},
        {"wrapped file list", "{Archivos:[{\"Peso\":12}]}", R"({"Archivos":[{"Peso":12}]})", ""},
        {"parentheses and comments between tokens",
         "// answer\r\n( /* block\n over lines */ {\"a\" : (1) // one\n, \"b\":/*x*/[ (2) ]} )",
         R"({"a":1,"b":[2]})", ""},
        {"a lone slash or asterisk is skipped", "/ {\"a\":* 1}", R"({"a":1})", ""},
        {"missing commas", "{\"a\":1 \"b\":'x' c:[1 2 3]}", R"({"a":1,"b":"x","c":[1,2,3]})", ""},
        {"unquoted key with blanks", "{ Ar chivos :1}", R"({"Archivos":1})", ""},
        {"blanks dropped inside quoted keys", "{\"a b\t\":1}", R"({"ab":1})", ""},
        {"single-quoted key and text, the other mark ordinary", R"({'it"s':'say "hi"', "it's":1})",
         R"({"it"s":"say "hi"","it's":1})", ""},
        {"quoted colon belongs to the key", "{\"a:b\":1}", R"({"a:b":1})", ""},
        {"backslash has no meaning in keys", R"({"a\n":1})", R"({"a\n":1})", ""},
        {"text after the top-level value is ignored", "[1] {garbage", "[1]", ""},
        {"case of keys is kept and compared exactly", "{\"Id\":1,\"id\":2}", R"({"Id":1,"id":2})", ""},
    });
}

TEST(EX_JSON, DecodesTextEscapesAndUtf16Units) {
    PruebaCasos({
        {"simple escapes", R"(["\"\\\/\'\b\f\n\r\t"])", "[\"\"\\/'\\x8\\x12\\x10\\x13\\x9\"]", ""},
        {"u escape and unknown escape", R"(["\u00e9\q", "\u00C9"])", R"(["éq","É"])", ""},
        {"surrogate pair makes one character", R"(["\ud83d\ude00"])", R"(["😀"])", ""},
        {"lone surrogates become U+FFFD", R"(["\ud83dx", "\ude00", "\ud83d\ud83d\ude00", "a\ud83d"])",
         R"(["�x","�","�😀","a�"])", ""},
        {"a pair split by another character is two lone halves", R"(["\ud83d\n\ude00"])", "[\"�\\x10�\"]",
         ""},
        {"non-ASCII text is kept", "[\"Utilerías\\\\Instalación 😀\"]", R"(["Utilerías\Instalación 😀"])", ""},
        {"malformed UTF-8 becomes U+FFFD",
         "[\"a\xff"
         "b\xc3\"]",
         R"(["a�b�"])", ""},
        {"text without its closing mark runs to the end", "[\"abc", R"(["abc"])", "Missing ']': [\"abc\r\n"},
        {"backslash at the very end", "[\"abc\\", R"(["abc"])", "Missing ']': [\"abc\\\r\n"},
        {"u escape cut by the end", "[\"ab\\u00", R"(["ab"])", "Missing ']': [\"ab\\u00\r\n"},
    });
}

TEST(EX_JSON, ReportsWhatItCannotRead) {
    PruebaCasos({
        {"empty input", "", "nothing", "Invalid JSON"},
        {"only blanks and comments", "  // nothing\n", "nothing", "Invalid JSON"},
        {"starts with a letter", "abc", "nothing", "Invalid JSON"},
        {"duplicate key keeps the first pair and ends the object", "{\"a\":1,\"a\":2,\"b\":3}", R"({"a":1})",
         ClaveRepetida + ": a\r\n"},
        {"missing brace", "{\"a\":1 ", R"({"a":1})", "Missing '}': {\"a\":1 \r\n"},
        {"missing brackets are noted at every level", "{\"a\":[1 ", R"({"a":[1]})",
         "Missing ']': {\"a\":[1 \r\nMissing '}': {\"a\":[1 \r\n"},
        {"list without its bracket, last number followed by a blank", "[1, 2 ", "[1,2]",
         "Missing ']': [1, 2 \r\n"},
        {"list without its bracket, input ends at the number", "[1, 2", "[1,~]", "Missing ']': [1, 2\r\n"},
        {"value cut by the end of an object", "{\"a\":", R"({"a":~})", "Missing '}': {\"a\":\r\n"},
        {"only the last 20 characters are quoted", "[1, 2, 3, 4, 5, 6, 7, 8, 9 ", "[1,2,3,4,5,6,7,8,9]",
         "Missing ']': 3, 4, 5, 6, 7, 8, 9 \r\n"},
        {"a comma before the closing brace starts a key", "{\"a\":1,}", R"({"a":1,"}":~})",
         "Missing '}': {\"a\":1,}\r\n"},
        {"a comma before the closing bracket starts a value", "[1,]", "[1]", "Type mismatch: ]\r\n"},
        {"malformed number ends the object", "{\"a\":1,\"b\":1.2.3,\"c\":3}", R"({"a":1})",
         "Type mismatch: b\r\n"},
        {"unexpected character ends the object", "{\"a\":}", "{}", "Type mismatch: a\r\n"},
        {"number out of range", "{\"a\":1e40}", "{}", "Overflow: a\r\n"},
        {"failed value ends the list, quoting the next 20 characters", "[1,x,2,3,4,5,6,7,8,9,10,11]", "[1]",
         "Type mismatch: x,2,3,4,5,6,7,8,9,10\r\n"},
        {"the failure is quoted from where the number stopped", "[1,2-3]", "[1]", "Type mismatch: ]\r\n"},
        {"invalid u escape fails the text", R"({"a":"x\uZZ12","b":1})", "{}", "Type mismatch: a\r\n"},
        {"invalid key: the quoted key is not followed by a colon", "{\"a\" 1}", R"({"a":1})",
         "Invalid Key at position 6 : a\r\n"},
        {"invalid key at the end of the input", "{\"a\"", R"({"a":~})",
         "Invalid Key at position 5 : a\r\nMissing '}': {\"a\"\r\n"},
    });
}

TEST(EX_JSON, InvalidLiteralsKeepReadingObjectsAndEndLists) {
    PruebaCasos({
        {"object: the pair gets false, the rest is read as a key", "{\"a\":tru,\"b\":1}",
         R"({"a":false,"tru,b":1})", "Invalid Boolean at position 6 : tru,\"b\":1}\r\n"},
        {"object: invalid null gets the empty value", "{\"a\":nul \"b\":1}", R"({"a":~,"nulb":1})",
         "Invalid null value at position 6 : nul \"b\":1}\r\n"},
        {"list: the value is added and the list ends", "[1,nul,2]", "[1,~]",
         "Invalid null value at position 4 : nul,2]\r\n"},
        {"list: invalid boolean", "[fals]", "[false]", "Invalid Boolean at position 2 : fals]\r\n"},
        {"literals are case-sensitive", "[True]", "[]", "Type mismatch: True]\r\n"},
    });
}

TEST(EX_JSON, CountsPositionsAndQuotesInUtf16Units) {
    PruebaCasos({
        // é is one unit, 😀 two: the x after the key is the 8th unit.
        {"position after characters outside the BMP", "{\"é😀\" x}", "{}",
         "Invalid Key at position 8 : é😀\r\nType mismatch: é😀\r\n"},
        {"position of a literal after accented text", "[\"ñandú😀\", tru]", R"(["ñandú😀",false])",
         "Invalid Boolean at position 13 : tru]\r\n"},
        // The cut of the last 20 units falls inside an emoji, which is left out whole.
        {"last 20 characters never split a character", "[\"" + Repite("😀", 40) + "b",
         "[\"" + Repite("😀", 40) + "b\"]", "Missing ']': " + Repite("😀", 9) + "b\r\n"},
        {"next 20 characters counted in units", "[x😀😀😀😀😀😀😀😀😀😀😀]", "[]", "Type mismatch: x😀😀😀😀😀😀😀😀😀\r\n"},
    });
}

TEST(EX_JSON, DiagnosticsStartEmptyOnEveryParseAndCanBeCleared) {
    EX_JSON lector;
    EXPECT_FALSE(lector.parse("x").has_value());
    EXPECT_EQ(lector.GetParserErrors(), "Invalid JSON");
    EXPECT_TRUE(lector.parse("[1]").has_value());
    EXPECT_EQ(lector.GetParserErrors(), "");
    lector.parse("[1");
    EXPECT_FALSE(lector.GetParserErrors().empty());
    lector.ClearParserErrors();
    EXPECT_EQ(lector.GetParserErrors(), "");
}

TEST(EX_JSON, TooDeepNestingEndsEveryLevelWithOneDiagnostic) {
    const std::string entrada = std::string(100000, '[') + std::string(100000, ']');
    EX_JSON lector;
    const auto valor = lector.parse(entrada);
    ASSERT_TRUE(valor.has_value());
    int profundidad = 0;
    for (const ValorJson* v = &*valor; v->tipo() == ValorJson::Tipo::Lista && !v->Lista().empty();
         v = &v->Lista().front()) {
        ++profundidad;
    }
    EXPECT_EQ(profundidad, 511);
    EXPECT_EQ(lector.GetParserErrors(), "Out of stack space: [[[[[[[[[[[[[[[[[[[[\r\n");
}

TEST(EX_JSON, ReadsAFilePlanAnswer) {
    const std::string respuesta =
        R"([{"RutaServidor":"http://127.0.0.1/a.zip","RutaInstalador":"Utilerías\\a.zip",)"
        R"("RutaInstalacion":"","Peso":1048576},)"
        "\r\n"
        R"({"RutaServidor":"http://127.0.0.1/b.dll","RutaInstalador":"b.dll",)"
        R"("RutaInstalacion":"Bin\\b.dll","Peso":0}])";
    EX_JSON lector;
    const auto valor = lector.parse("{Archivos:" + respuesta + "}");
    ASSERT_TRUE(valor.has_value());
    EXPECT_EQ(lector.GetParserErrors(), "");
    const ValorJson* archivos = valor->Objeto().Busca("Archivos");
    ASSERT_NE(archivos, nullptr);
    ASSERT_EQ(archivos->Lista().size(), 2u);
    const ObjetoJson& primero = archivos->Lista()[0].Objeto();
    EXPECT_EQ(primero.Busca("RutaInstalador")->Texto(), "Utilerías\\a.zip");
    EXPECT_EQ(primero.Busca("Peso")->Numero().RedondeaAEntero(), 1048576);
    EXPECT_EQ(archivos->Lista()[1].Objeto().Busca("RutaInstalacion")->Texto(), "Bin\\b.dll");
}

std::string Clave(int i) {
    std::string clave = "k";
    clave += std::to_string(i);
    return clave;
}

TEST(ObjetoJson, KeepsOrderAndRefusesDuplicatesAtAnySize) {
    // Past the size where the object starts indexing its keys.
    ObjetoJson objeto;
    for (int i = 0; i < 100; ++i) ASSERT_TRUE(objeto.Agrega(Clave(i), ValorJson(Decimal::DesdeEntero(i))));
    EXPECT_FALSE(objeto.Agrega("k7", ValorJson(true)));
    EXPECT_FALSE(objeto.Agrega("k99", ValorJson(true)));
    EXPECT_EQ(objeto.Cantidad(), 100u);
    for (int i = 0; i < 100; ++i) {
        const ValorJson* v = objeto.Busca(Clave(i));
        ASSERT_NE(v, nullptr);
        EXPECT_EQ(v->Numero(), Decimal::DesdeEntero(i));
        EXPECT_EQ(objeto.Pares()[i].first, Clave(i));
    }
    EXPECT_EQ(objeto.Busca("K7"), nullptr);
    EXPECT_EQ(objeto.Busca("k100"), nullptr);
}

TEST(EX_StringBuilder, DoublesItsCapacityAsManyTimesAsAnAppendNeeds) {
    EX_StringBuilder texto;
    EXPECT_EQ(texto.Capacidad(), 32u);
    texto.Append(std::string(32, 'a'));
    EXPECT_EQ(texto.Capacidad(), 32u);
    texto.Append("b");
    EXPECT_EQ(texto.Capacidad(), 64u);
    texto.Append(std::string(200, 'c'));
    EXPECT_EQ(texto.Capacidad(), 256u);
    EXPECT_EQ(texto.ToString(), std::string(32, 'a') + "b" + std::string(200, 'c'));
    texto.Append("");
    EXPECT_EQ(texto.Longitud(), 233u);
}

}  // namespace
}  // namespace mirvalo
