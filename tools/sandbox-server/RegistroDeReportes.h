#pragma once

#include <filesystem>
#include <fstream>
#include <mutex>
#include <string>
#include <vector>

namespace mirvalo::sandbox {

// The step and failure reports received, one JSON line each in arrival order (the line format is described
// in ServidorSandbox.h). Kept in memory, and also appended to a file and printed when asked.
class RegistroDeReportes {
public:
    // Starts a new log: forgets earlier lines and truncates `archivo` (none when empty). Throws
    // std::runtime_error when the file cannot be created.
    void Abre(const std::filesystem::path& archivo, bool imprime);
    void Anota(const std::string& linea);
    std::vector<std::string> Lineas() const;

private:
    mutable std::mutex mutex_;
    std::vector<std::string> lineas_;
    std::ofstream archivo_;
    bool imprime_ = false;
};

}  // namespace mirvalo::sandbox
