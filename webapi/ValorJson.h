#pragma once
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "webapi/Decimal.h"

namespace mirvalo {

class ObjetoJson;
class ValorJson;
using ListaJson = std::vector<ValorJson>;

// One decoded JSON value. `Vacio` is the empty value the reader yields for a number cut by the
// end of the input and after an invalid null literal; it is not JSON null.
class ValorJson {
public:
    enum class Tipo { Vacio, Nulo, Booleano, Numero, Texto, Objeto, Lista };
    struct Nulo {};

    ValorJson() = default;
    ValorJson(Nulo) : valor_(Nulo{}) {}
    ValorJson(bool b) : valor_(b) {}
    ValorJson(Decimal d) : valor_(d) {}
    ValorJson(std::string s) : valor_(std::move(s)) {}
    ValorJson(ObjetoJson o);
    ValorJson(ListaJson l);

    Tipo tipo() const { return static_cast<Tipo>(valor_.index()); }
    bool EsVacio() const { return tipo() == Tipo::Vacio; }

    // Each accessor is valid only for its own type (checked by the caller through tipo()).
    bool Booleano() const { return std::get<bool>(valor_); }
    const Decimal& Numero() const { return std::get<Decimal>(valor_); }
    const std::string& Texto() const { return std::get<std::string>(valor_); }
    const ObjetoJson& Objeto() const { return *std::get<std::unique_ptr<ObjetoJson>>(valor_); }
    ObjetoJson& Objeto() { return *std::get<std::unique_ptr<ObjetoJson>>(valor_); }
    const ListaJson& Lista() const { return *std::get<std::unique_ptr<ListaJson>>(valor_); }
    ListaJson& Lista() { return *std::get<std::unique_ptr<ListaJson>>(valor_); }

private:
    std::variant<std::monostate, Nulo, bool, Decimal, std::string, std::unique_ptr<ObjetoJson>,
                 std::unique_ptr<ListaJson>>
        valor_;
};

// A keyed object: unique keys compared exactly, pairs in the order they were read.
class ObjetoJson {
public:
    using Par = std::pair<std::string, ValorJson>;

    // Adds a pair; false (and nothing added) when the key is already present.
    bool Agrega(std::string clave, ValorJson valor);
    // The value of `clave`, or nullptr when absent.
    const ValorJson* Busca(std::string_view clave) const;

    std::size_t Cantidad() const { return pares_.size(); }
    const std::vector<Par>& Pares() const { return pares_; }

private:
    // Small objects (the usual answer item) are searched pair by pair; from this size on, a hash
    // index keeps building and searching a large object linear.
    static constexpr std::size_t ParesSinIndice = 8;

    std::size_t Posicion(std::string_view clave) const;  // pares_.size() when absent
    void Indexa(std::size_t posicion);
    void ReconstruyeIndice();

    std::vector<Par> pares_;
    // Open addressing over positions in pares_ (0 = free slot, otherwise position + 1); empty
    // while the object is small.
    std::vector<uint32_t> indice_;
};

inline ValorJson::ValorJson(ObjetoJson o) : valor_(std::make_unique<ObjetoJson>(std::move(o))) {}
inline ValorJson::ValorJson(ListaJson l) : valor_(std::make_unique<ListaJson>(std::move(l))) {}

}  // namespace mirvalo
