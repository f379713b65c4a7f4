#pragma once
#include <string_view>

namespace mirvalo::sistema {

// The shell's "open" (its default action) on a web address, a folder, a document or a program,
// with `parametros` for a program (one text, split as Windows splits a command line). Nothing
// waits for what it opens. True when the target was handed over; false when it does not exist
// or cannot be started. The assistant never examines the result, as it never examines the
// Windows shell's.
//
// On the POSIX emulation:
// - a web address (a scheme of two or more letters, "https://...", "mailto:..."), a folder or a
//   document is written to the system root's journal as "shell open: <target>" and, when a
//   desktop session is present (DISPLAY or WAYLAND_DISPLAY set, and the process's windows not
//   drawn offscreen: QT_QPA_PLATFORM neither "offscreen" nor "minimal"), handed to xdg-open;
// - a program (an emulated Windows tool, a file with the execute permission or one named
//   .exe/.com/.bat/.cmd) is started with the process runner (Procesos.h), in a normal window,
//   from an argument vector: no shell parses its parameters.
// Paths are mapped with RutaNativa.
bool AbreConElShell(std::string_view archivo, std::string_view parametros = {});

}  // namespace mirvalo::sistema
