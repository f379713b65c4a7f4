#pragma once
#include <string>
#include <string_view>

namespace mirvalo {

// Installs one TrueType font: copies it into the system fonts folder, makes its font resource
// (".FOT") there and adds it to the running system. It reports nothing: every failed check or
// operation ends the installation quietly.
class EX_InstallFont {
public:
    // Finds the system fonts folder; DirectorioFuentesSistema stays empty when it cannot be found.
    EX_InstallFont();

    const std::string& DirectorioFuentesSistema() const { return directorioFuentesSistema_; }

    // The folder that holds the font file; trimmed, and given a trailing "\" when it has none.
    const std::string& PathTTF() const { return pathTTF_; }
    void PathTTF(std::string_view carpeta);

    // The font file's name without a folder; trimmed.
    const std::string& archivoTTF() const { return archivoTTF_; }
    void archivoTTF(std::string_view nombre);

    // Installs the font named by PathTTF and archivoTTF. Without a known fonts folder nothing is
    // installed. A font already in the fonts folder is not copied again. The process's current
    // folder is the fonts folder while the font is added, and is given back however that ends.
    void Instalar();

private:
    std::string directorioFuentesSistema_;
    std::string pathTTF_;
    std::string archivoTTF_;
};

}  // namespace mirvalo
