// The executable's flags, and the executable itself as scripts start it.
#include "ClienteCrudo.h"
#include "tools/sandbox-server/LineaDeComandos.h"

#include <gtest/gtest.h>

#include <signal.h>
#include <spawn.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <cstdlib>
#include <filesystem>

extern char** environ;

namespace mirvalo::sandbox {
namespace {

TEST(LineaDeComandos, ReadsEveryFlagInBothForms) {
    auto linea = LineaDeComandos::Lee({"--host",
                                       "127.0.0.2",
                                       "--port=0",
                                       "--data",
                                       "/d",
                                       "--reports",
                                       "/r.jsonl",
                                       "--active",
                                       "false",
                                       "--revision",
                                       "-3",
                                       "--assistant-kind=1",
                                       "--iniciar-status",
                                       "503",
                                       "--iniciar-body",
                                       "{}",
                                       "--first-download-id",
                                       "40",
                                       "--platform-type",
                                       "1",
                                       "--platform-name",
                                       "Escuelas",
                                       "--platform-version",
                                       "2021",
                                       "--name",
                                       "Asistente",
                                       "--tracking-status",
                                       "500"});
    const Opciones& o = linea.opciones;
    EXPECT_EQ(o.host, "127.0.0.2");
    EXPECT_EQ(o.puerto, 0);
    EXPECT_EQ(o.datos, "/d");
    EXPECT_EQ(o.reportes, "/r.jsonl");
    EXPECT_FALSE(o.activa);
    EXPECT_EQ(o.revision, -3);
    EXPECT_EQ(o.tipoAsistente, 1);
    EXPECT_EQ(o.estadoIniciarDM, 503);
    EXPECT_EQ(o.cuerpoIniciarDM, "{}");
    EXPECT_EQ(o.primerIdDescarga, 40);
    EXPECT_EQ(o.tipoPlataforma, 1);
    EXPECT_EQ(o.nombrePlataforma, "Escuelas");
    EXPECT_EQ(o.versionPlataforma, "2021");
    EXPECT_EQ(o.nombreAsistente, "Asistente");
    EXPECT_EQ(o.estadoNumeroDeSeguimiento, 500);
    EXPECT_TRUE(o.imprimeReportes);
    EXPECT_FALSE(linea.ayuda);

    auto porDefecto = LineaDeComandos::Lee({});
    EXPECT_EQ(porDefecto.opciones.host, "127.0.0.1");
    EXPECT_EQ(porDefecto.opciones.puerto, 8080);
    EXPECT_EQ(porDefecto.opciones.datos, MIRVALO_SANDBOX_DATA);
}

TEST(LineaDeComandos, RefusesUnknownFlagsAndBadValues) {
    for (const std::vector<std::string>& argumentos :
         std::vector<std::vector<std::string>>{{"--puerto", "1"},
                                               {"--port"},
                                               {"--port", "x"},
                                               {"--port", "70000"},
                                               {"--port", "80a"},
                                               {"--active", "quizá"},
                                               {"--revision", ""}}) {
        EXPECT_THROW(LineaDeComandos::Lee(argumentos), std::invalid_argument) << argumentos[0];
    }
}

TEST(Ejecutable, AnnouncesItsRealAddressServesAndStopsOnSigterm) {
    // The build tree: from the environment, else the one this test binary (<build>/tests/) belongs to.
    const char* variable = std::getenv("MIRVALO_BUILD_DIR");
    std::filesystem::path construccion =
        variable ? std::filesystem::path(variable)
                 : std::filesystem::read_symlink("/proc/self/exe").parent_path().parent_path();
    std::string programa = (construccion / "tools" / "sandbox-server" / "mirvalo-sandbox-server").string();
    if (!std::filesystem::exists(programa)) GTEST_SKIP() << programa << " is not built";

    int tubo[2];
    ASSERT_EQ(::pipe(tubo), 0);
    posix_spawn_file_actions_t acciones;
    posix_spawn_file_actions_init(&acciones);
    posix_spawn_file_actions_adddup2(&acciones, tubo[1], STDOUT_FILENO);
    posix_spawn_file_actions_addclose(&acciones, tubo[0]);
    const char* argumentos[] = {programa.c_str(), "--port", "0", nullptr};
    pid_t proceso = 0;
    ASSERT_EQ(::posix_spawn(&proceso, programa.c_str(), &acciones, nullptr, const_cast<char**>(argumentos),
                            environ),
              0);
    posix_spawn_file_actions_destroy(&acciones);
    ::close(tubo[1]);

    FILE* salida = ::fdopen(tubo[0], "r");
    char linea[512] = {};
    ASSERT_NE(std::fgets(linea, sizeof linea, salida), nullptr);
    const std::string texto = linea;
    const std::string prefijo = "http://127.0.0.1:";
    size_t direccion = texto.find(prefijo);
    ASSERT_NE(direccion, std::string::npos) << texto;
    int puerto = std::atoi(texto.c_str() + direccion + prefijo.size());
    EXPECT_NE(puerto, 0);

    EXPECT_EQ(
        prueba::Pide(puerto, "GET", "/api/v1/DownloadManager/IniciarDM", "{\r\n\"Id\": 1\r\n}\r\n").estado,
        200);
    EXPECT_EQ(prueba::Pide(puerto, "POST", "/api/v1/DownloadManager/Detalles",
                           "{\"Id_Descarga\": 1, \"Id_Paso\": 100, \"Status\": 1, \"Descripcion\": \"\"}")
                  .estado,
              200);
    ASSERT_NE(std::fgets(linea, sizeof linea, salida), nullptr);
    EXPECT_STREQ(
        linea,
        "{\"tipo\":\"detalle\",\"Id_Descarga\":1,\"Id_Paso\":100,\"Status\":1,\"Descripcion\":\"\"}\n");

    ::kill(proceso, SIGTERM);
    int estado = 0;
    ASSERT_EQ(::waitpid(proceso, &estado, 0), proceso);
    EXPECT_TRUE(WIFEXITED(estado) && WEXITSTATUS(estado) == 0);
    std::fclose(salida);
}

}  // namespace
}  // namespace mirvalo::sandbox
