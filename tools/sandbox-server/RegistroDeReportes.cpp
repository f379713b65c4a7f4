#include "tools/sandbox-server/RegistroDeReportes.h"

#include <iostream>
#include <stdexcept>

namespace mirvalo::sandbox {

void RegistroDeReportes::Abre(const std::filesystem::path& archivo, bool imprime) {
    std::lock_guard bloqueo(mutex_);
    lineas_.clear();
    imprime_ = imprime;
    archivo_ = std::ofstream();
    if (archivo.empty()) return;
    archivo_.open(archivo, std::ios::binary | std::ios::trunc);
    if (!archivo_) throw std::runtime_error("cannot create the reports file " + archivo.string());
}

void RegistroDeReportes::Anota(const std::string& linea) {
    std::lock_guard bloqueo(mutex_);
    lineas_.push_back(linea);
    // Flushed line by line: whoever follows the file (a test, a person) sees each report as it arrives.
    if (archivo_.is_open()) archivo_ << linea << '\n' << std::flush;
    if (imprime_) std::cout << linea << '\n' << std::flush;
}

std::vector<std::string> RegistroDeReportes::Lineas() const {
    std::lock_guard bloqueo(mutex_);
    return lineas_;
}

}  // namespace mirvalo::sandbox
