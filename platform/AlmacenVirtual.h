#pragma once
#include <string>
#include <string_view>

// The current user's virtual store: where Windows keeps the per-user copies of files that programs
// without administrator rights wrote under the program-files folders, the Windows folder or
// ProgramData; and the two deletions its clean-up uses, with the rules of the runtime's file
// deletion by pattern and of the file system object's folder deletion (neither forced).
//
// The POSIX emulation deletes nothing outside the system root: a path that does not lie inside it
// raises Error 70 "Permission denied". A file or folder without its owner's write permission is a
// read-only one. Symbolic links are removed, never followed.
namespace mirvalo::almacen_virtual {

// USERPROFILE followed by "\AppData\Local\VirtualStore".
std::string Carpeta();

// Where Windows puts a write to `ruta` by a program without administrator rights: the same path
// below the virtual store ("C:\Program Files (x86)\X\a.ini" gives
// "<USERPROFILE>\AppData\Local\VirtualStore\Program Files (x86)\X\a.ini"). Empty for a path that
// is not virtualized.
std::string RutaVirtualizada(std::string_view ruta);

// Deletes the files directly inside a folder whose names match the pattern of the path's last
// component ('*' any run of characters, '?' one character, letter case ignored; a name without a
// dot matches as if it ended in one, so "*.*" matches every file). Folders are never matched.
// In name order; Error 75 "Path/File access error" at the first read-only file (the files before
// it stay deleted), Error 53 "File not found" when nothing matches, Error 76 "Path not found" when
// the folder does not exist.
void EliminaArchivos(std::string_view patron);

// Deletes a folder with everything in it (a trailing "\" is allowed): files first, then
// subfolders, each in name order. Error 76 "Path not found" when there is no such folder; Error 70
// "Permission denied" at the first read-only file or folder, what came before it staying deleted.
void EliminaCarpeta(std::string_view carpeta);

}  // namespace mirvalo::almacen_virtual
