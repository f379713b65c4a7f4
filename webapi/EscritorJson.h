#pragma once
#include <cstdint>
#include <string>
#include <string_view>

namespace mirvalo {

// Writes the Web API's request bodies, member by member. Every operation appends one line ended by
// CR LF; a comma, when asked for, comes before the line break. Apart from the blank after each
// colon and the line breaks the body holds no white space. Keys are written as given; text values
// escape only what JSON requires (quotation mark, reverse solidus, U+0000 to U+001F).
class EscritorJson {
public:
    void AbreObjeto();                                                                    // {
    void CierraObjeto(bool coma = false);                                                 // }
    void AgregaNumero(std::string_view clave, int64_t valor, bool coma = false);          // "k": -12
    void AgregaTexto(std::string_view clave, std::string_view valor, bool coma = false);  // "k": "v"
    void AbreArreglo(std::string_view clave);                                             // "k": [
    void CierraArreglo(bool coma = false);                                                // ]

    const std::string& Texto() const { return texto_; }

private:
    void Clave(std::string_view clave);
    void TerminaLinea(bool coma);

    std::string texto_;
};

}  // namespace mirvalo
