#pragma once
#include <string>
#include <utility>

namespace mirvalo {

// A Windows shortcut as the shell automation object ("wscript.Shell") hands it out: made with
// CreateShortcut for a ".lnk" path, given a target, an icon and a working folder, and written with
// Save as a real Shell Link file. Paths are texts as the assistant writes them; the file records
// them as Windows paths (on the POSIX emulation a path inside the system root is recorded on drive
// C:, "<root>/Windows" as "C:\Windows"; any other path as given).
class AccesoDirecto {
public:
    // Raises Error 5 when the path does not end with ".lnk" (any letter case): the shell object
    // refuses such paths before anything is written.
    static AccesoDirecto CreateShortcut(std::string rutaDelArchivo);

    const std::string& FullName() const { return rutaDelArchivo_; }

    const std::string& TargetPath() const { return destino_; }
    void TargetPath(std::string destino) { destino_ = std::move(destino); }

    // "path" or "path,index", like the shell object's property.
    const std::string& IconLocation() const { return icono_; }
    void IconLocation(std::string icono) { icono_ = std::move(icono); }

    const std::string& WorkingDirectory() const { return carpetaDeTrabajo_; }
    void WorkingDirectory(std::string carpeta) { carpetaDeTrabajo_ = std::move(carpeta); }

    // Writes the file, replacing one that exists; the target's attributes, size and times are
    // recorded when the target exists. Raises Error when the file cannot be written (its folder
    // missing, say); an existing file is then left as it was.
    void Save() const;

private:
    explicit AccesoDirecto(std::string rutaDelArchivo) : rutaDelArchivo_(std::move(rutaDelArchivo)) {}

    std::string rutaDelArchivo_;
    std::string destino_;
    std::string icono_;
    std::string carpetaDeTrabajo_;
};

}  // namespace mirvalo
