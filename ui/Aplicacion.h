#pragma once
#include <memory>

namespace mirvalo {

// The process's window system. Create one at the start of main, before any window: it sets up
// the toolkit, the default font "Segoe UI" 9.75 pt (an installed look-alike stands in when the
// font itself is missing) and the event pump behind DejaCorrerEventos.
class Aplicacion {
public:
    Aplicacion(int& argc, char** argv);
    Aplicacion(const Aplicacion&) = delete;
    Aplicacion& operator=(const Aplicacion&) = delete;
    ~Aplicacion();

    // Runs the event loop until the last wizard window has been closed; the process's exit code.
    int Ejecuta();

    // Whether an Aplicacion exists in this process.
    static bool Existe();

private:
    struct Estado;
    std::unique_ptr<Estado> estado_;
};

}  // namespace mirvalo
