#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// Starting and ending processes. Commands arrive as Windows command lines ("DISM /Online ...",
// "regsvr32 /s C:\...\x.dll") and are split into arguments as Windows splits them
// (LineaDeOrdenes.h); no shell ever sees them, so nothing in an argument is interpreted.
//
// On the POSIX emulation the program is found like this:
// - Windows tools that the emulation provides ("DISM", "regsvr32", whatever the letter case, with
//   or without ".exe", bare or with a folder) run inside this process;
// - any other program is a file: a path (with a folder or a drive) is mapped with
//   sistema::RutaNativa; a bare name is looked for in the current folder, then in windir's
//   System32 and in windir; ".exe" is tried after a name without extension. It runs as a child
//   process that gets the emulated Windows variables ("ProgramFiles", "windir", "USERPROFILE"...)
//   and MIRVALO_SYSTEM_ROOT in its environment. Windows runs any program file, so a file of this
//   account that lacks the execute permission (a download has none) is given it first.
// A program that is not found raises Error 53 "File not found"; one that cannot be run, the
// runtime's number for the system's reason (70 "Permission denied" for a file that may not be
// executed, 5 for a file that is no program).
namespace mirvalo::procesos {

enum class Ventana {
    Oculta,  // no window: on the emulation, the standard streams go to /dev/null
    Normal,  // a normal, focused window: the standard streams are this process's own
};

// Starts the program and returns at once; nothing waits for it, and the system collects it when
// it ends. The process id, or 0 for a tool the emulation ran inside this process.
int64_t Inicia(std::string_view lineaDeOrdenes, Ventana ventana);
int64_t Inicia(const std::vector<std::string>& programaYArgumentos, Ventana ventana);

// Starts the program and blocks until it ends, without a time limit; its exit code. A program
// ended by a signal gives 128 + the signal's number.
int32_t IniciaYEspera(std::string_view lineaDeOrdenes, Ventana ventana);
int32_t IniciaYEspera(const std::vector<std::string>& programaYArgumentos, Ventana ventana);

// Ends this process at once with `codigo`: no clean-up of objects, as the runtime's End.
[[noreturn]] void TerminaElProceso(int32_t codigo = 0);

}  // namespace mirvalo::procesos
