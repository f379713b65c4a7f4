#include "platform/ListaDeProcesos.h"

#include "platform/Procesos.h"

#include "support/RaizDePrueba.h"

#include <signal.h>
#include <unistd.h>

#include <algorithm>

namespace mirvalo::procesos {
namespace {

namespace fs = std::filesystem;
using prueba::RaizDePrueba;
using ListaDeProcesos = RaizDePrueba;

const ProcesoEnEjecucion* Busca(const std::vector<ProcesoEnEjecucion>& procesos, int64_t id) {
    auto encontrado = std::find_if(procesos.begin(), procesos.end(),
                                   [&](const ProcesoEnEjecucion& p) { return p.id == id; });
    return encontrado == procesos.end() ? nullptr : &*encontrado;
}

TEST_F(ListaDeProcesos, NamesTheRunningProgramsAsWindowsDoes) {
    const fs::path programa = raiz_ / "Program Files/AVAST Software/Avast/AvastUI.exe";
    fs::create_directories(programa.parent_path());
    fs::copy_file("/bin/sleep", programa);
    const int64_t id = Inicia({programa.string(), "30"}, Ventana::Oculta);

    const std::vector<ProcesoEnEjecucion> procesos = ProcesosEnEjecucion();
    kill(static_cast<pid_t>(id), SIGKILL);

    const ProcesoEnEjecucion* avast = Busca(procesos, id);
    ASSERT_NE(avast, nullptr);
    EXPECT_EQ(avast->nombre, "AvastUI.exe");
    EXPECT_EQ(avast->nombreCorto, "AvastUI.exe");

    const ProcesoEnEjecucion* este = Busca(procesos, getpid());
    ASSERT_NE(este, nullptr);
    EXPECT_EQ(este->nombre, "tests_platform");
}

}  // namespace
}  // namespace mirvalo::procesos
