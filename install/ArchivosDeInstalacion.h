#pragma once
#include <string>
#include <string_view>
#include <vector>

// The file-system operations of the installation steps. Paths are written as the steps write
// them, backslash-separated (folders from the environment may be native already), and are turned
// into native paths here. Failures raise mirvalo::Error.
namespace mirvalo::instalacion {

// A file (not a folder) is at the path. An empty path names none.
bool ExisteElArchivo(std::string_view ruta);
bool ExisteLaCarpeta(std::string_view ruta);
// Creates one folder level; its parent must exist.
void CreaLaCarpeta(std::string_view ruta);
// Normal attributes: whatever was read-only becomes writable.
void QuitaLosAtributos(std::string_view ruta);
// Deletes the file, read-only or not.
void EliminaElArchivo(std::string_view ruta);
// The whole file, byte for byte.
std::string LeeElArchivo(std::string_view ruta);
// Copies the file; Error 58 "File already exists" when something is at `destino`.
void CopiaSinSobrescribir(std::string_view origen, std::string_view destino);

struct ArchivoDeLaCarpeta {
    std::string nombre;     // with its extension
    std::string ruta;       // the folder as given, "\" and the name
    std::string extension;  // after the name's last dot, without it; empty without a dot
};
// The files directly inside the folder (no subfolders), by name.
std::vector<ArchivoDeLaCarpeta> ArchivosDe(std::string_view carpeta);

// The folder part of a path: everything before its last separator ('\' or '/'); empty without one.
std::string CarpetaDe(std::string_view ruta);

}  // namespace mirvalo::instalacion
