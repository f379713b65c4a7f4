#pragma once
#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <memory>

namespace mirvalo {

// The file a transfer writes its body into: a new file in the target's folder, named like the
// system's temporary files ("MVL", up to four hexadecimal digits, ".tmp"), which takes the
// target's place only once the whole body is in it. Until then the target is not touched, and
// a file that never took its place is deleted with this object.
class DescargaArchivoTemporal {
public:
    // A new empty file in `carpeta`, open for writing; nullptr when none can be created there.
    static std::unique_ptr<DescargaArchivoTemporal> Crea(const std::filesystem::path& carpeta);

    ~DescargaArchivoTemporal();
    DescargaArchivoTemporal(const DescargaArchivoTemporal&) = delete;
    DescargaArchivoTemporal& operator=(const DescargaArchivoTemporal&) = delete;

    // Appends to the file. False when the file cannot take the bytes.
    bool Escribe(const char* datos, std::size_t cantidad);

    // Closes the file and moves it onto `destino` in one step, replacing a file there. False when
    // the last writes or the move fail; the temporary file is gone either way.
    bool ReemplazaA(const std::filesystem::path& destino);

    const std::filesystem::path& Ruta() const { return ruta_; }

private:
    struct CierraArchivo {
        void operator()(std::FILE* archivo) const { std::fclose(archivo); }
    };

    DescargaArchivoTemporal(std::filesystem::path ruta, std::unique_ptr<std::FILE, CierraArchivo> archivo);

    std::filesystem::path ruta_;
    std::unique_ptr<std::FILE, CierraArchivo> archivo_;
    bool enSuLugar_ = false;
};

}  // namespace mirvalo
