#include "install/CatalogoDeAplicaciones.h"

#include <algorithm>
#include <sstream>

#include "platform/Error.h"
#include "platform/jet/BaseDeDatosJet.h"
#include "platform/jet/ErroresJet.h"
#include "platform/jet/OrdenDeTextoJet.h"

namespace mirvalo::catalogo {
namespace {

constexpr int32_t AplicacionSinCarpetas = 98;

// WHERE app_ide <> 98: NULL is neither equal nor different, so its row is left out.
bool PasaElFiltro(const jet::ValorJet& appIde) {
    if (jet::EsNulo(appIde)) return false;
    if (const auto* n = std::get_if<int32_t>(&appIde)) return *n != AplicacionSinCarpetas;
    if (const auto* d = std::get_if<double>(&appIde)) return *d != AplicacionSinCarpetas;
    if (std::holds_alternative<bool>(appIde)) return true;  // a Yes/No is -1 or 0
    throw jet::errores::TiposNoCoinciden();
}

// The order of DISTINCT and ORDER BY: NULL first; text by the engine's text order; numbers by value.
int Compara(const jet::ValorJet& a, const jet::ValorJet& b) {
    if (jet::EsNulo(a) || jet::EsNulo(b)) return jet::EsNulo(b) - jet::EsNulo(a);
    if (const auto* ta = std::get_if<std::string>(&a))
        return jet::ComparaTextoJet(*ta, std::get<std::string>(b));
    auto numero = [](const jet::ValorJet& v) {
        if (const auto* n = std::get_if<int32_t>(&v)) return static_cast<double>(*n);
        if (const auto* bo = std::get_if<bool>(&v)) return *bo ? -1.0 : 0.0;
        return std::get<double>(v);
    };
    const double na = numero(a), nb = numero(b);
    return na < nb ? -1 : (na > nb ? 1 : 0);
}

// How the procedure stores a field "as text": numbers and Yes/No the way the runtime writes them.
std::string ComoTexto(const jet::ValorJet& v) {
    if (const auto* t = std::get_if<std::string>(&v)) return *t;
    if (const auto* n = std::get_if<int32_t>(&v)) return std::to_string(*n);
    if (const auto* b = std::get_if<bool>(&v)) return *b ? "True" : "False";
    if (const auto* d = std::get_if<double>(&v)) {
        std::ostringstream s;
        s.precision(15);
        s << *d;
        return s.str();
    }
    throw Error::Estandar(errores::TiposNoCoinciden, "Nomenclatura");  // NULL
}

}  // namespace

std::string CadenaDeConexion(std::string_view ruta) {
    return "Provider=Microsoft.Jet.OLEDB.4.0;Data Source=" + std::string(ruta) +
           ";Persist Security Info=False;JET OLEDB:DATABASE PASSWORD=" +
           std::string(ContrasenaDeLaBaseDeDatos) + ";";
}

std::vector<jet::ValorJet> ConsultaLasNomenclaturas(const jet::TablaJet& tabla) {
    const auto nomenclatura = tabla.PosicionDe("Nomenclatura");
    const auto appIde = tabla.PosicionDe("app_ide");
    if (!nomenclatura || !appIde) throw jet::errores::ColumnaInexistente();

    std::vector<jet::ValorJet> distintas;
    for (const auto& fila : tabla.filas) {
        if (!PasaElFiltro(fila[*appIde])) continue;
        const jet::ValorJet& valor = fila[*nomenclatura];
        const bool repetida = std::any_of(distintas.begin(), distintas.end(),
                                          [&](const jet::ValorJet& d) { return Compara(d, valor) == 0; });
        if (!repetida) distintas.push_back(valor);
    }
    std::stable_sort(distintas.begin(), distintas.end(),
                     [](const jet::ValorJet& a, const jet::ValorJet& b) { return Compara(a, b) < 0; });
    return distintas;
}

std::vector<std::string> LeeLasNomenclaturas(std::string_view ruta) {
    if (ruta.empty()) return {};
    auto baseDeDatos = jet::BaseDeDatosJet::Abre(CadenaDeConexion(ruta));
    const std::vector<jet::ValorJet> filas =
        ConsultaLasNomenclaturas(baseDeDatos.LeeLaTabla(TablaDeAplicaciones));
    std::vector<std::string> nomenclaturas;
    nomenclaturas.reserve(filas.size());
    for (const jet::ValorJet& v : filas) nomenclaturas.push_back(ComoTexto(v));
    return nomenclaturas;
}

}  // namespace mirvalo::catalogo
