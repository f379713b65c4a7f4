#pragma once
#include <string>
#include <string_view>

namespace mirvalo::jet {

// The parts of an OLE DB connection string that the Jet provider uses. Keys are matched without
// regard to case and blanks around keys and values are dropped; a value may be quoted with " or '
// (a doubled quote inside stands for one). Other keys are accepted and ignored.
struct CadenaDeConexionJet {
    std::string proveedor;      // "Provider"
    std::string origenDeDatos;  // "Data Source": the database file's path
    std::string contrasena;     // "Jet OLEDB:Database Password"

    // Throws mirvalo::Error (jet::errores) for a string that is not a list of key=value pairs.
    static CadenaDeConexionJet Lee(std::string_view cadena);
};

}  // namespace mirvalo::jet
