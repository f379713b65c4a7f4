#pragma once
#include <cstdint>
#include <string>
#include <variant>
#include <vector>

// What a Jet 4 file written by this tool holds: a password, a creation date and tables of typed
// columns. The writer covers the few types the product's catalogue and the tests need.
namespace mirvalo::jet4 {

// The type codes are the ones the format stores in a column definition.
enum class TipoDeColumna : uint8_t {
    Booleano = 0x01,     // kept in the row's null mask; never NULL (NULL is written as false)
    Byte = 0x02,         // 0 to 255
    Entero = 0x03,       // 16 bits, signed
    EnteroLargo = 0x04,  // 32 bits, signed
    Texto = 0x0A,        // up to 255 characters, UCS-2
    ObjetoOle = 0x0B,    // long binary; only NULL is written (the catalogue's property column)
};

struct Columna {
    std::string nombre;
    TipoDeColumna tipo = TipoDeColumna::EnteroLargo;
    uint16_t caracteres = 255;     // Texto: the most characters a value may have
    bool textoComprimido = false;  // Texto: values of Latin-1 characters stored one byte each
};

// A field: NULL (monostate), a boolean, a whole number or a text (UTF-8).
using Valor = std::variant<std::monostate, bool, int32_t, std::string>;

struct Tabla {
    std::string nombre;
    std::vector<Columna> columnas;
    std::vector<std::vector<Valor>> filas;  // one value per column, in column order
};

struct ArchivoJet4 {
    std::string contrasena;            // empty: no database password
    double fechaDeCreacion = 43831.5;  // days since 30/12/1899 (here 01/01/2020 12:00)
    std::vector<Tabla> tablas;
};

}  // namespace mirvalo::jet4
