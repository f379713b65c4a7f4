#pragma once
#include <cstddef>
#include <memory>
#include <string>
#include <string_view>

namespace mirvalo {

// A growable text buffer: 32 bytes at creation, doubled as many times as an append needs, so
// that building a long text costs a logarithmic number of allocations instead of one per piece.
class EX_StringBuilder {
public:
    static constexpr std::size_t CapacidadInicial = 32;

    EX_StringBuilder();

    // Adds `theString` at the end, unquoted.
    void Append(std::string_view theString);
    void Append(char caracter);
    // The collected text (the used part of the buffer).
    std::string ToString() const { return std::string(Vista()); }
    std::string_view Vista() const { return {buffer_.get(), longitud_}; }

    std::size_t Longitud() const { return longitud_; }
    std::size_t Capacidad() const { return capacidad_; }
    // Starts a new text, keeping the buffer already grown so a reused builder allocates nothing.
    void Limpia() { longitud_ = 0; }

private:
    void Crece(std::size_t necesaria);

    std::unique_ptr<char[]> buffer_;
    std::size_t capacidad_;
    std::size_t longitud_ = 0;
};

}  // namespace mirvalo
