#include "webapi/EX_StringBuilder.h"

#include <cstring>

namespace mirvalo {

EX_StringBuilder::EX_StringBuilder()
    : buffer_(std::make_unique_for_overwrite<char[]>(CapacidadInicial)), capacidad_(CapacidadInicial) {}

void EX_StringBuilder::Append(std::string_view theString) {
    if (longitud_ + theString.size() > capacidad_) Crece(longitud_ + theString.size());
    if (!theString.empty()) std::memcpy(buffer_.get() + longitud_, theString.data(), theString.size());
    longitud_ += theString.size();
}

void EX_StringBuilder::Append(char caracter) {
    if (longitud_ == capacidad_) Crece(longitud_ + 1);
    buffer_[longitud_++] = caracter;
}

void EX_StringBuilder::Crece(std::size_t necesaria) {
    std::size_t nueva = capacidad_;
    while (nueva < necesaria) nueva *= 2;
    auto buffer = std::make_unique_for_overwrite<char[]>(nueva);
    std::memcpy(buffer.get(), buffer_.get(), longitud_);
    buffer_ = std::move(buffer);
    capacidad_ = nueva;
}

}  // namespace mirvalo
