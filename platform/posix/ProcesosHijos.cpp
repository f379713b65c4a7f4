#include "platform/posix/ProcesosHijos.h"

#include "platform/Error.h"

#include <fcntl.h>
#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <system_error>
#include <thread>

extern char** environ;

namespace mirvalo::procesos {
namespace {

std::vector<char*> Punteros(std::vector<std::string>& textos) {
    std::vector<char*> punteros;
    for (std::string& texto : textos) punteros.push_back(texto.data());
    punteros.push_back(nullptr);
    return punteros;
}

// The spawn attributes and file actions, released however the start ends.
class Preparativos {
public:
    explicit Preparativos(bool oculto) {
        posix_spawn_file_actions_init(&acciones);
        posix_spawnattr_init(&atributos);
        if (oculto) {
            posix_spawn_file_actions_addopen(&acciones, 0, "/dev/null", O_RDONLY, 0);
            posix_spawn_file_actions_addopen(&acciones, 1, "/dev/null", O_WRONLY, 0);
            posix_spawn_file_actions_addopen(&acciones, 2, "/dev/null", O_WRONLY, 0);
        }
        // A signal this process ignores (SIGPIPE, for the network code) must not stay ignored in
        // the child, nor may the child start with signals blocked.
        sigset_t predeterminadas;
        sigset_t vacia;
        sigemptyset(&predeterminadas);
        sigaddset(&predeterminadas, SIGPIPE);
        sigemptyset(&vacia);
        posix_spawnattr_setsigdefault(&atributos, &predeterminadas);
        posix_spawnattr_setsigmask(&atributos, &vacia);
        posix_spawnattr_setflags(&atributos, POSIX_SPAWN_SETSIGDEF | POSIX_SPAWN_SETSIGMASK);
    }
    ~Preparativos() {
        posix_spawn_file_actions_destroy(&acciones);
        posix_spawnattr_destroy(&atributos);
    }
    Preparativos(const Preparativos&) = delete;
    Preparativos& operator=(const Preparativos&) = delete;

    posix_spawn_file_actions_t acciones;
    posix_spawnattr_t atributos;
};

}  // namespace

pid_t IniciaHijo(const Hijo& hijo) {
    std::vector<std::string> argumentos = hijo.argumentos;
    std::vector<std::string> entorno = hijo.entorno;
    std::vector<char*> argv = Punteros(argumentos);
    std::vector<char*> envp = Punteros(entorno);
    char** entornoDelHijo = hijo.entorno.empty() ? environ : envp.data();

    Preparativos preparativos(hijo.oculto);
    pid_t id = 0;
    const int resultado = hijo.buscarEnPath
                              ? posix_spawnp(&id, hijo.programa.c_str(), &preparativos.acciones,
                                             &preparativos.atributos, argv.data(), entornoDelHijo)
                              : posix_spawn(&id, hijo.programa.c_str(), &preparativos.acciones,
                                            &preparativos.atributos, argv.data(), entornoDelHijo);
    if (resultado != 0) {
        const std::string llamada = "posix_spawn " + hijo.programa.string();
        if (resultado == ENOEXEC) throw Error::Estandar(errores::LlamadaNoValida, llamada);
        throw Error::DesdeErrno(resultado, llamada);
    }
    return id;
}

int EsperaAlHijo(pid_t id, const std::filesystem::path& programa) {
    int estado = 0;
    while (waitpid(id, &estado, 0) < 0) {
        if (errno != EINTR) throw Error::DesdeErrno(errno, "waitpid " + programa.string());
    }
    if (WIFSIGNALED(estado)) return 128 + WTERMSIG(estado);
    return WEXITSTATUS(estado);
}

void RecogeAlTerminar(pid_t id) {
    try {
        std::thread([id] {
            int estado = 0;
            while (waitpid(id, &estado, 0) < 0 && errno == EINTR) {
            }
        }).detach();
    } catch (const std::system_error&) {
        // Without a thread the ended child stays a zombie until this process ends: harmless.
    }
}

}  // namespace mirvalo::procesos
