#pragma once
#include <sys/types.h>

#include <filesystem>
#include <string>
#include <vector>

// Child processes of the POSIX emulation, started from an argument vector with posix_spawn: no
// shell ever parses their arguments.
namespace mirvalo::procesos {

struct Hijo {
    std::filesystem::path programa;       // a path, or a bare name looked up in PATH when `buscarEnPath`
    std::vector<std::string> argumentos;  // the whole argv, program name first
    std::vector<std::string> entorno;     // "NAME=value"; this process's own when empty
    bool oculto = false;                  // standard streams to /dev/null
    bool buscarEnPath = false;
};

// Error with the runtime's number when the child cannot be started (ENOEXEC gives 5).
pid_t IniciaHijo(const Hijo& hijo);
// Blocks until the child ends: its exit code, or 128 + the signal that ended it.
int EsperaAlHijo(pid_t id, const std::filesystem::path& programa);
// For a child nobody waits for: it is collected when it ends, so it leaves no zombie.
void RecogeAlTerminar(pid_t id);

}  // namespace mirvalo::procesos
