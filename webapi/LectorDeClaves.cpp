#include "webapi/LectorDeClaves.h"

#include <limits>
#include <optional>

#include "platform/Error.h"
#include "platform/Texto.h"
#include "webapi/Decimal.h"

namespace mirvalo {
namespace {

using Tipo = ValorJson::Tipo;

const ValorJson& ValorVacio() {
    static const ValorJson vacio;
    return vacio;
}

[[noreturn]] void FallaPorTipo(std::string_view nombre) {
    throw Error::Estandar(errores::TiposNoCoinciden, "reading \"" + std::string(nombre) + "\"");
}

const ObjetoJson& ComoObjeto(const ValorJson& item) {
    if (item.tipo() != Tipo::Objeto) FallaPorTipo("item");
    return item.Objeto();
}

// A text that reads as a number, blanks around it allowed; nullopt otherwise.
std::optional<Decimal> NumeroDelTexto(std::string_view texto) {
    const std::string recortado = texto::Recorta(texto);
    if (recortado.empty()) return std::nullopt;
    return Decimal::Lee(recortado);
}

}  // namespace

LectorDeClaves::LectorDeClaves(const ValorJson& item) : objeto_(ComoObjeto(item)) {}

const ValorJson& LectorDeClaves::Valor(std::string_view clave) const {
    const ValorJson* valor = objeto_.Busca(clave);
    return valor != nullptr ? *valor : ValorVacio();
}

int16_t LectorDeClaves::Entero16(std::string_view clave) const {
    return static_cast<int16_t>(AEntero(Valor(clave), std::numeric_limits<int16_t>::min(),
                                        std::numeric_limits<int16_t>::max(), clave));
}

int32_t LectorDeClaves::Entero32(std::string_view clave) const {
    return static_cast<int32_t>(AEntero(Valor(clave), std::numeric_limits<int32_t>::min(),
                                        std::numeric_limits<int32_t>::max(), clave));
}

std::string LectorDeClaves::Texto(std::string_view clave) const {
    return ATexto(Valor(clave), clave);
}

bool LectorDeClaves::Booleano(std::string_view clave) const {
    return ABooleano(Valor(clave), clave);
}

int64_t LectorDeClaves::AEntero(const ValorJson& valor, int64_t minimo, int64_t maximo,
                                std::string_view nombre) {
    std::optional<Decimal> numero;
    switch (valor.tipo()) {
        case Tipo::Vacio: return 0;
        case Tipo::Booleano: return valor.Booleano() ? -1 : 0;
        case Tipo::Numero: numero = valor.Numero(); break;
        case Tipo::Texto:
            numero = NumeroDelTexto(valor.Texto());
            if (!numero) FallaPorTipo(nombre);
            break;
        case Tipo::Nulo:
        case Tipo::Objeto:
        case Tipo::Lista: FallaPorTipo(nombre);
    }
    const std::optional<int64_t> entero = numero->RedondeaAEntero();
    if (!entero || *entero < minimo || *entero > maximo)
        throw Error::Estandar(errores::Desbordamiento, "reading \"" + std::string(nombre) + "\"");
    return *entero;
}

std::string LectorDeClaves::ATexto(const ValorJson& valor, std::string_view nombre) {
    switch (valor.tipo()) {
        case Tipo::Vacio: return {};
        case Tipo::Texto: return valor.Texto();
        case Tipo::Numero: return valor.Numero().Texto();
        case Tipo::Booleano: return valor.Booleano() ? "True" : "False";
        case Tipo::Nulo:
        case Tipo::Objeto:
        case Tipo::Lista: break;
    }
    FallaPorTipo(nombre);
}

bool LectorDeClaves::ABooleano(const ValorJson& valor, std::string_view nombre) {
    switch (valor.tipo()) {
        case Tipo::Vacio: return false;
        case Tipo::Booleano: return valor.Booleano();
        case Tipo::Numero: return !valor.Numero().EsCero();
        case Tipo::Texto: {
            const std::string recortado = texto::Recorta(valor.Texto());
            if (texto::IgualesSinMayusculas(recortado, "true")) return true;
            if (texto::IgualesSinMayusculas(recortado, "false")) return false;
            if (const auto numero = NumeroDelTexto(recortado)) return !numero->EsCero();
            break;
        }
        case Tipo::Nulo:
        case Tipo::Objeto:
        case Tipo::Lista: break;
    }
    FallaPorTipo(nombre);
}

}  // namespace mirvalo
