#include "webapi/EscritorJson.h"

namespace mirvalo {
namespace {

void AgregaEscapado(std::string& destino, std::string_view valor) {
    static constexpr char Hex[] = "0123456789abcdef";
    for (char c : valor) {
        const auto u = static_cast<unsigned char>(c);
        switch (c) {
            case '"': destino += "\\\""; break;
            case '\\': destino += "\\\\"; break;
            case '\b': destino += "\\b"; break;
            case '\f': destino += "\\f"; break;
            case '\n': destino += "\\n"; break;
            case '\r': destino += "\\r"; break;
            case '\t': destino += "\\t"; break;
            default:
                if (u < 0x20) {
                    destino += "\\u00";
                    destino += Hex[u >> 4];
                    destino += Hex[u & 0xF];
                } else {
                    destino += c;
                }
        }
    }
}

}  // namespace

void EscritorJson::AbreObjeto() {
    texto_ += '{';
    TerminaLinea(false);
}

void EscritorJson::CierraObjeto(bool coma) {
    texto_ += '}';
    TerminaLinea(coma);
}

void EscritorJson::AgregaNumero(std::string_view clave, int64_t valor, bool coma) {
    Clave(clave);
    texto_ += std::to_string(valor);
    TerminaLinea(coma);
}

void EscritorJson::AgregaTexto(std::string_view clave, std::string_view valor, bool coma) {
    Clave(clave);
    texto_ += '"';
    AgregaEscapado(texto_, valor);
    texto_ += '"';
    TerminaLinea(coma);
}

void EscritorJson::AbreArreglo(std::string_view clave) {
    Clave(clave);
    texto_ += '[';
    TerminaLinea(false);
}

void EscritorJson::CierraArreglo(bool coma) {
    texto_ += ']';
    TerminaLinea(coma);
}

void EscritorJson::Clave(std::string_view clave) {
    texto_ += '"';
    texto_ += clave;
    texto_ += "\": ";
}

void EscritorJson::TerminaLinea(bool coma) {
    if (coma) texto_ += ',';
    texto_ += "\r\n";
}

}  // namespace mirvalo
