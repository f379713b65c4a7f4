#pragma once
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

// The file-system side of the download run. Paths are written as the plan and the assistant write
// them, backslash-separated (folders from the shell or the environment may be native already), and
// are turned into native paths here. Failures are raised as mirvalo::Error.
namespace mirvalo::carpetas {

// Whether a relative path of the plan stays inside the folder it is relative to: it must not be
// absolute ("\x", "/x"), start with a drive ("C:x"), or climb with a ".." part. Both '\' and '/'
// separate parts, as on Windows.
bool QuedaDentro(std::string_view relativa);

// `carpeta` + "\" + `relativa`, or nothing when the relative path would leave the folder or there
// is no folder to be inside of (empty text).
std::optional<std::string> RutaDentroDe(std::string_view carpeta, std::string_view relativa);

bool ExisteLaCarpeta(std::string_view carpeta);
// Creates one folder level; its parent must exist.
void CreaLaCarpeta(std::string_view carpeta);

// True when a file (not a folder) is at the path and holds exactly `bytes` bytes.
bool ExisteConElTamano(std::string_view ruta, int64_t bytes);

// Copies the file onto `destino`, replacing a file there. False, without copying, when there is no
// file at `origen`.
bool CopiaSobrescribiendo(std::string_view origen, std::string_view destino);

// Deletes the transfers' temporary files lying directly in the folder, read-only ones included:
// names that begin with "MVL" and end in ".tmp", letter case ignored. Only those: the folder can be
// the desktop itself, where other programs keep ".tmp" files of their own. Raises Error 53 when no
// file matched, as deleting by a pattern that matches nothing does; a file that cannot be deleted
// does not stop the others, and the first such failure is raised at the end.
void EliminaLosTemporales(std::string_view carpeta);

}  // namespace mirvalo::carpetas
