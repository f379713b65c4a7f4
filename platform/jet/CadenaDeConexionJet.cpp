#include "platform/jet/CadenaDeConexionJet.h"

#include "platform/Texto.h"
#include "platform/jet/ErroresJet.h"

namespace mirvalo::jet {
namespace {

std::string_view SinBlancos(std::string_view s) {
    const auto inicio = s.find_first_not_of(" \t");
    if (inicio == std::string_view::npos) return {};
    return s.substr(inicio, s.find_last_not_of(" \t") - inicio + 1);
}

}  // namespace

CadenaDeConexionJet CadenaDeConexionJet::Lee(std::string_view cadena) {
    CadenaDeConexionJet partes;
    std::size_t i = 0;
    while (i < cadena.size()) {
        const auto igual = cadena.find('=', i);
        const auto puntoYComa = cadena.find(';', i);
        if (igual == std::string_view::npos || (puntoYComa != std::string_view::npos && puntoYComa < igual)) {
            // Only blanks may stand between two semicolons or after the last one.
            const auto fin = puntoYComa == std::string_view::npos ? cadena.size() : puntoYComa;
            if (!SinBlancos(cadena.substr(i, fin - i)).empty()) throw errores::CadenaMalFormada();
            i = fin + 1;
            continue;
        }
        const std::string_view clave = SinBlancos(cadena.substr(i, igual - i));
        if (clave.empty()) throw errores::CadenaMalFormada();

        std::size_t j = igual + 1;
        while (j < cadena.size() && (cadena[j] == ' ' || cadena[j] == '\t')) ++j;
        std::string valor;
        if (j < cadena.size() && (cadena[j] == '"' || cadena[j] == '\'')) {
            const char comilla = cadena[j++];
            for (;; ++j) {
                if (j >= cadena.size()) throw errores::CadenaMalFormada();
                if (cadena[j] != comilla) {
                    valor.push_back(cadena[j]);
                } else if (j + 1 < cadena.size() && cadena[j + 1] == comilla) {
                    valor.push_back(comilla);
                    ++j;
                } else {
                    ++j;
                    break;
                }
            }
            const auto fin = cadena.find(';', j);
            if (!SinBlancos(cadena.substr(j, fin == std::string_view::npos ? fin : fin - j)).empty())
                throw errores::CadenaMalFormada();
            i = fin == std::string_view::npos ? cadena.size() : fin + 1;
        } else {
            const auto fin = cadena.find(';', j);
            valor = std::string(SinBlancos(cadena.substr(j, fin == std::string_view::npos ? fin : fin - j)));
            i = fin == std::string_view::npos ? cadena.size() : fin + 1;
        }

        if (texto::IgualesSinMayusculas(clave, "Provider"))
            partes.proveedor = valor;
        else if (texto::IgualesSinMayusculas(clave, "Data Source"))
            partes.origenDeDatos = valor;
        else if (texto::IgualesSinMayusculas(clave, "Jet OLEDB:Database Password"))
            partes.contrasena = valor;
    }
    return partes;
}

}  // namespace mirvalo::jet
