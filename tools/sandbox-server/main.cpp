// mirvalo-sandbox-server: runs the development Web API until it receives SIGINT or SIGTERM.
#include "tools/sandbox-server/LineaDeComandos.h"
#include "tools/sandbox-server/ServidorSandbox.h"

#include <csignal>
#include <iostream>
#include <stdexcept>

int main(int argc, char** argv) {
    using namespace mirvalo::sandbox;
    LineaDeComandos linea;
    try {
        linea = LineaDeComandos::Lee(std::vector<std::string>(argv + 1, argv + argc));
    } catch (const std::invalid_argument& error) {
        std::cerr << "mirvalo-sandbox-server: " << error.what() << "\n\n" << LineaDeComandos::Ayuda();
        return 2;
    }
    if (linea.ayuda) {
        std::cout << LineaDeComandos::Ayuda();
        return 0;
    }

    // Reports are printed as they arrive: a reader that went away must not end the server.
    std::signal(SIGPIPE, SIG_IGN);
    // Blocked before the server's threads start, so that they inherit the mask and only sigwait sees them.
    sigset_t senales;
    sigemptyset(&senales);
    sigaddset(&senales, SIGINT);
    sigaddset(&senales, SIGTERM);
    pthread_sigmask(SIG_BLOCK, &senales, nullptr);

    ServidorSandbox servidor(linea.opciones);
    try {
        servidor.Inicia();
    } catch (const std::runtime_error& error) {
        std::cerr << "mirvalo-sandbox-server: " << error.what() << '\n';
        return 1;
    }
    std::cout << "mirvalo-sandbox-server: listening on " << servidor.Url()
              << " (data: " << linea.opciones.datos.string() << ")" << std::endl;

    int senal = 0;
    sigwait(&senales, &senal);
    servidor.Detiene();
    std::cout << "mirvalo-sandbox-server: stopped" << std::endl;
    return 0;
}
