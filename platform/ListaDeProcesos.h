#pragma once
#include <cstdint>
#include <string>
#include <vector>

namespace mirvalo::procesos {

struct ProcesoEnEjecucion {
    int64_t id;
    // The program's file name, as Windows names a process ("AvastUI.exe"): the last part of the
    // program path the process was started with, split at '/' or '\'.
    std::string nombre;
    // The system's own short name of the process; on Linux its "comm", at most 15 characters.
    // Equal to `nombre` for most processes.
    std::string nombreCorto;
};

// The processes running now, in the system's order. Error when the list cannot be read at all; a
// process that ends while the list is read is left out.
// On the POSIX emulation: /proc/<id>/cmdline gives `nombre` (`nombreCorto` for a process without
// a command line, such as a kernel thread), /proc/<id>/comm gives `nombreCorto`.
std::vector<ProcesoEnEjecucion> ProcesosEnEjecucion();

}  // namespace mirvalo::procesos
