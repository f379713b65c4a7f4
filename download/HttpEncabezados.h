#pragma once
#include <optional>
#include <string>
#include <string_view>

namespace mirvalo {

// The head of one HTTP answer as it arrived: the status line and the header lines in their order,
// so that a header repeated by the server is found by its first occurrence.
class HttpEncabezados {
public:
    // Takes one line as the transport hands it over, line end included. A status line ("HTTP/...")
    // starts a new head and forgets the previous one (an answer that was redirected, a 1xx).
    // True when the line is the blank line that ends the head.
    bool AgregaLinea(std::string_view linea);

    bool Completo() const { return completo_; }
    // The status line without its line end: "HTTP/1.1 404 Not Found".
    const std::string& LineaDeEstado() const { return lineaDeEstado_; }
    // "HTTP/1.1"; the three digits "404"; the reason text "Not Found". Empty when the status line
    // does not hold them.
    const std::string& Version() const { return version_; }
    const std::string& Codigo() const { return codigo_; }
    const std::string& Texto() const { return texto_; }

    // The value of the first header called `nombre` (letter case ignored), without the blanks
    // around it; nullopt when the answer has no such header.
    std::optional<std::string> Valor(std::string_view nombre) const;

    // The status line and every header line, each ended by CR LF, and the blank line.
    const std::string& Crudos() const { return crudos_; }

    // Whether the transport follows this answer to another address instead of handing it over:
    // a redirection status with a "Location" header.
    bool EsRedireccion() const;

private:
    void LeeLineaDeEstado();

    std::string lineaDeEstado_;
    std::string version_;
    std::string codigo_;
    std::string texto_;
    std::string crudos_;
    bool completo_ = false;
};

}  // namespace mirvalo
