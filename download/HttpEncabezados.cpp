#include "download/HttpEncabezados.h"

#include <algorithm>

#include "platform/Texto.h"

namespace mirvalo {
namespace {

std::string_view SinFinDeLinea(std::string_view linea) {
    while (!linea.empty() && (linea.back() == '\n' || linea.back() == '\r')) linea.remove_suffix(1);
    return linea;
}

std::string_view SinBlancosAlrededor(std::string_view valor) {
    while (!valor.empty() && (valor.front() == ' ' || valor.front() == '\t')) valor.remove_prefix(1);
    while (!valor.empty() && (valor.back() == ' ' || valor.back() == '\t')) valor.remove_suffix(1);
    return valor;
}

bool EsDigito(char c) {
    return c >= '0' && c <= '9';
}

}  // namespace

bool HttpEncabezados::AgregaLinea(std::string_view linea) {
    const std::string_view contenido = SinFinDeLinea(linea);
    if (contenido.starts_with("HTTP/")) {
        *this = HttpEncabezados();
        lineaDeEstado_ = contenido;
        LeeLineaDeEstado();
    } else if (completo_ || lineaDeEstado_.empty()) {
        return false;  // nothing to add to: a line outside any head
    }
    crudos_.append(contenido).append("\r\n");
    if (contenido.empty()) completo_ = true;
    return completo_;
}

void HttpEncabezados::LeeLineaDeEstado() {
    const std::string_view linea = lineaDeEstado_;
    const auto finVersion = linea.find(' ');
    version_ = linea.substr(0, finVersion);
    if (finVersion == std::string_view::npos) return;
    std::string_view resto = linea.substr(finVersion + 1);
    while (resto.starts_with(' ')) resto.remove_prefix(1);
    if (resto.size() < 3 || !EsDigito(resto[0]) || !EsDigito(resto[1]) || !EsDigito(resto[2])) return;
    if (resto.size() > 3 && resto[3] != ' ') return;
    codigo_ = resto.substr(0, 3);
    texto_ = resto.size() > 4 ? resto.substr(4) : std::string_view();
}

std::optional<std::string> HttpEncabezados::Valor(std::string_view nombre) const {
    std::string_view resto = crudos_;
    // The first line is the status line.
    resto.remove_prefix(std::min(resto.size(), resto.find("\r\n") + 2));
    while (!resto.empty()) {
        const auto fin = resto.find("\r\n");
        const std::string_view linea = resto.substr(0, fin);
        resto.remove_prefix(fin == std::string_view::npos ? resto.size() : fin + 2);
        const auto dosPuntos = linea.find(':');
        if (dosPuntos == std::string_view::npos) continue;
        if (texto::IgualesSinMayusculas(SinBlancosAlrededor(linea.substr(0, dosPuntos)), nombre))
            return std::string(SinBlancosAlrededor(linea.substr(dosPuntos + 1)));
    }
    return std::nullopt;
}

bool HttpEncabezados::EsRedireccion() const {
    // The statuses libcurl follows; any other 3xx is an answer in its own right.
    const bool sigue = codigo_ == "300" || codigo_ == "301" || codigo_ == "302" || codigo_ == "303" ||
                       codigo_ == "307" || codigo_ == "308";
    return sigue && Valor("Location").has_value();
}

}  // namespace mirvalo
