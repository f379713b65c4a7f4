// The six Web API operations, sent as the assistant sends them: GET requests with a JSON body whose
// members are separated by CR LF and written with ": ".
#include "ClienteCrudo.h"
#include "tools/sandbox-server/ServidorSandbox.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <set>
#include <string>
#include <vector>

namespace mirvalo::sandbox {
namespace {

using nlohmann::json;
using prueba::ClienteCrudo;
using prueba::Pide;
using ::testing::ElementsAre;
using ::testing::StartsWith;

const std::string kApi = "/api/v1/DownloadManager/";

std::string CuerpoConId(int id) {
    return "{\r\n\"Id\": " + std::to_string(id) + "\r\n}\r\n";
}

std::string CuerpoDeValidacion(const std::string& id) {
    return "{\r\n\"IdMirvalo\": \"" + id + "\"\r\n}\r\n";
}

Opciones EnUnPuertoLibre() {
    Opciones opciones;
    opciones.puerto = 0;
    return opciones;
}

TEST(IniciarDM, AnswersTheConfigurationWithAnIdThatGrowsOnEveryCallOnOneConnection) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();
    // Two GETs with bodies on one kept-alive connection: an unread body would corrupt the second request.
    ClienteCrudo cliente(servidor.Puerto());
    auto primera = cliente.Pide("GET", kApi + "IniciarDM", CuerpoConId(1));
    auto segunda = cliente.Pide("GET", kApi + "IniciarDM", CuerpoConId(1));

    ASSERT_EQ(primera.estado, 200);
    ASSERT_EQ(segunda.estado, 200);
    EXPECT_THAT(primera.cabeceras["content-type"], StartsWith("application/json"));
    json respuesta = json::parse(primera.cuerpo);
    EXPECT_EQ(respuesta, json::parse(R"({"Id": 1, "Nombre": "Asistente de Descarga Mirvalo", "Activa": true,
        "Revision": 1, "TipoAsistente": 0, "TipoPlataforma": 2, "NombrePlataforma": "Mirvalo Plataforma",
        "VersionPlataforma": "2020.1"})"));
    EXPECT_EQ(json::parse(segunda.cuerpo)["Id"], 2);
}

struct CasoDeIniciarDM {
    const char* nombre;
    void (*ajusta)(Opciones&);
    int estado;
    const char* cuerpo;  // the expected answer, when it is JSON
};

void PrintTo(const CasoDeIniciarDM& caso, std::ostream* salida) {
    *salida << caso.nombre;
}

class IniciarDMConOpciones : public ::testing::TestWithParam<CasoDeIniciarDM> {};

TEST_P(IniciarDMConOpciones, AnswersAsTheOptionsSay) {
    Opciones opciones = EnUnPuertoLibre();
    GetParam().ajusta(opciones);
    ServidorSandbox servidor(opciones);
    servidor.Inicia();

    auto respuesta = Pide(servidor.Puerto(), "GET", kApi + "IniciarDM", CuerpoConId(1));

    EXPECT_EQ(respuesta.estado, GetParam().estado);
    if (GetParam().cuerpo) {
        EXPECT_EQ(json::parse(respuesta.cuerpo), json::parse(GetParam().cuerpo));
    }
}

INSTANTIATE_TEST_SUITE_P(
    Casos, IniciarDMConOpciones,
    ::testing::Values(
        CasoDeIniciarDM{"InactiveOldInstallOnlyLocal",
                        [](Opciones& o) {
                            o.activa = false;
                            o.revision = 3;
                            o.tipoAsistente = 1;
                            o.tipoPlataforma = 1;
                            o.primerIdDescarga = 41;
                            o.nombreAsistente = "Asistente Ñandú";
                            o.nombrePlataforma = "Escuelas";
                            o.versionPlataforma = "2021.2";
                        },
                        200,
                        R"({"Id": 41, "Nombre": "Asistente Ñandú", "Activa": false, "Revision": 3,
                            "TipoAsistente": 1, "TipoPlataforma": 1, "NombrePlataforma": "Escuelas",
                            "VersionPlataforma": "2021.2"})"},
        CasoDeIniciarDM{"ForcedStatus", [](Opciones& o) { o.estadoIniciarDM = 500; }, 500, nullptr},
        CasoDeIniciarDM{"ForcedBody", [](Opciones& o) { o.cuerpoIniciarDM = R"({"Id": 5, "Activa": null})"; },
                        200, R"({"Id": 5, "Activa": null})"}),
    [](const auto& info) { return std::string(info.param.nombre); });

TEST(ValidarIDMirvalo, AnswersTheCatalogueOfEachSampleSchool) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();

    auto nube = json::parse(
        Pide(servidor.Puerto(), "GET", kApi + "ValidarIDMirvalo", CuerpoDeValidacion("ESCUELA001")).cuerpo);
    EXPECT_EQ(nube["IdVersion"], 2);
    ASSERT_EQ(nube["Aplicaciones"].size(), 15u);
    std::set<std::string> suites, nombres;
    std::set<bool> compradas;
    for (const json& aplicacion : nube["Aplicaciones"]) {
        EXPECT_TRUE(aplicacion["IdAplicacion"].is_number_integer());
        EXPECT_TRUE(aplicacion["IdNivel"].is_string());
        suites.insert(aplicacion["SuiteAplicacion"]);
        nombres.insert(aplicacion["NombreAplicacion"].get<std::string>() + " " +
                       aplicacion["NombreNivel"].get<std::string>());
        compradas.insert(aplicacion["Comprada"].get<bool>());
    }
    EXPECT_THAT(suites, ElementsAre("Ciencias", "Español", "Inglés", "Matemáticas"));
    EXPECT_EQ(nombres.size(), 15u);
    EXPECT_TRUE(nombres.count("Números Preescolar"));
    EXPECT_THAT(compradas, ElementsAre(false, true));

    auto local = json::parse(
        Pide(servidor.Puerto(), "GET", kApi + "ValidarIDMirvalo", CuerpoDeValidacion("ESCUELA002")).cuerpo);
    EXPECT_EQ(local["IdVersion"], 1);
    EXPECT_FALSE(local["Aplicaciones"].empty());

    auto vacia = Pide(servidor.Puerto(), "GET", kApi + "ValidarIDMirvalo", CuerpoDeValidacion("ESCUELA003"));
    EXPECT_EQ(vacia.estado, 200);
    EXPECT_EQ(json::parse(vacia.cuerpo)["Aplicaciones"], json::array());
}

TEST(ValidarIDMirvalo, AnswersNotFoundForAnyOtherId) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();
    for (const char* id : {"ESCUELA004", "escuela001", "ESCUELA001 ", ""}) {
        EXPECT_EQ(Pide(servidor.Puerto(), "GET", kApi + "ValidarIDMirvalo", CuerpoDeValidacion(id)).estado,
                  404)
            << '"' << id << '"';
    }
}

json PlanDe(int puerto, int plataforma, int tipoAsistente, const std::string& aplicaciones) {
    std::string cuerpo = "{\r\n\"IdDescargas\": 9,\r\n\"IdTipoPlataforma\": " + std::to_string(plataforma) +
                         ",\r\n\"IdTipoAsistente\": " + std::to_string(tipoAsistente) +
                         ",\r\n\"Aplicaciones\": [\r\n" + aplicaciones + "]\r\n}\r\n";
    auto respuesta = Pide(puerto, "GET", kApi + "ObtenerArchivos", cuerpo);
    EXPECT_EQ(respuesta.estado, 200) << respuesta.cuerpo;
    return json::parse(respuesta.cuerpo);
}

std::vector<std::string> RutasDeInstalador(const json& plan) {
    std::vector<std::string> rutas;
    for (const json& archivo : plan) rutas.push_back(archivo["RutaInstalador"]);
    return rutas;
}

// The product's installation files, common to every plan after the sample's own common files.
const std::vector<std::string> kArchivosDeInstalacion = {
    "Mirvalo\\Utilerías\\SecurityFolder.exe",
    "Mirvalo\\CAMVLogIn.exe",
    "Mirvalo\\mvicon.ico",
    "Mirvalo\\Base de datos\\MVDataBase.mdb",
    "Mirvalo\\Utilerías\\Dlls\\MVComunes.dll",
    "Mirvalo\\Utilerías\\Dlls\\MVControles.ocx",
    "Mirvalo\\Utilerías\\Dlls\\MVTextos.dat",
    "Mirvalo\\Utilerías\\Dlls\\DejaVuSans.ttf",
};

// A plan: the given common files, the installation files, then the given files of the applications.
std::vector<std::string> Plan(std::vector<std::string> comunes,
                              const std::vector<std::string>& deAplicaciones) {
    comunes.insert(comunes.end(), kArchivosDeInstalacion.begin(), kArchivosDeInstalacion.end());
    comunes.insert(comunes.end(), deAplicaciones.begin(), deAplicaciones.end());
    return comunes;
}

const std::string kNumerosPrimaria = "{\r\n\"IdAplicacion\": 101,\r\n\"IdNivel\": \"2\"\r\n},\r\n";
const std::string kGeometriaPrimaria = "{\r\n\"IdAplicacion\": 102,\r\n\"IdNivel\": \"2\"\r\n},\r\n";
const std::string kLecturaPreescolar = "{\r\n\"IdAplicacion\": 201,\r\n\"IdNivel\": \"1\"\r\n}\r\n";

TEST(ObtenerArchivos, GivesTheCommonFilesOfThePlatformThenEachApplicationsFilesOnce) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();

    json plan = PlanDe(servidor.Puerto(), 2, 2, kNumerosPrimaria + kGeometriaPrimaria + kLecturaPreescolar);

    EXPECT_EQ(RutasDeInstalador(plan),
              Plan({"Guía de instalación.txt", "Mirvalo\\Configuración.ini",
                    "Mirvalo\\Recursos\\Logotipo.bin", "Mirvalo\\Plataforma\\Conexión a la Nube.txt"},
                   {"Aplicaciones\\Matemáticas\\Números\\Primaria\\Actividades.txt",
                    "Aplicaciones\\Matemáticas\\Manual de la suite.txt",
                    "Aplicaciones\\Matemáticas\\Números\\Primaria\\Tablas.bin",
                    "Aplicaciones\\Matemáticas\\Geometría\\Primaria\\Actividades.txt",
                    "Aplicaciones\\Español\\Lectura\\Preescolar\\Actividades.txt",
                    "Aplicaciones\\Español\\Lectura\\Guía del docente.txt"}));
    EXPECT_EQ(plan[0]["RutaInstalacion"], "");
    EXPECT_EQ(plan[4]["RutaInstalacion"], "Utilerías\\SecurityFolder.exe");
    EXPECT_EQ(plan[12]["RutaInstalacion"], "Aplicaciones\\Números\\Primaria\\Actividades.txt");
    for (const json& archivo : plan) {
        EXPECT_THAT(archivo["RutaServidor"].get<std::string>(), StartsWith(servidor.Url() + "/archivos/"));
        EXPECT_TRUE(archivo["Peso"].is_number_integer());
    }
    EXPECT_EQ(plan[3]["RutaServidor"],
              servidor.Url() + "/archivos/Mirvalo/Plataforma/Conexi%C3%B3n%20a%20la%20Nube.txt");
}

TEST(ObtenerArchivos, GivesTheLocalPlatformItsOwnFilesAndInstallOnlyRunsNoInstallerOnlyFiles) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();

    EXPECT_EQ(RutasDeInstalador(PlanDe(servidor.Puerto(), 1, 1, kLecturaPreescolar)),
              Plan({"Mirvalo\\Configuración.ini", "Mirvalo\\Recursos\\Logotipo.bin",
                    "Mirvalo\\Plataforma\\Servidor Local.txt"},
                   {"Aplicaciones\\Español\\Lectura\\Preescolar\\Actividades.txt"}));
    // No application chosen, or one the sample does not describe: the common files only.
    const std::vector<std::string> comunes =
        Plan({"Guía de instalación.txt", "Mirvalo\\Configuración.ini", "Mirvalo\\Recursos\\Logotipo.bin",
              "Mirvalo\\Plataforma\\Conexión a la Nube.txt"},
             {});
    EXPECT_EQ(RutasDeInstalador(PlanDe(servidor.Puerto(), 2, 2, "")), comunes);
    EXPECT_EQ(RutasDeInstalador(PlanDe(servidor.Puerto(), 2, 2,
                                       "{\r\n\"IdAplicacion\": 101,\r\n\"IdNivel\": \"3\"\r\n}\r\n")),
              comunes);
}

TEST(GenerarNumeroDeSeguimiento, AnswersANumberForTheDownloadOrTheStatusTheOptionsSay) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();
    auto respuesta = Pide(servidor.Puerto(), "GET", kApi + "GenerarNumeroDeSeguimiento", CuerpoConId(7));
    EXPECT_EQ(respuesta.estado, 200);
    EXPECT_EQ(json::parse(respuesta.cuerpo), json::parse(R"({"NoDeSeguimiento": "NDS000007"})"));

    Opciones opciones = EnUnPuertoLibre();
    opciones.estadoNumeroDeSeguimiento = 500;
    ServidorSandbox fallido(opciones);
    fallido.Inicia();
    EXPECT_EQ(Pide(fallido.Puerto(), "GET", kApi + "GenerarNumeroDeSeguimiento", CuerpoConId(7)).estado, 500);
}

TEST(Operaciones, RefuseAWrongMethodOrABodyThatIsNotTheExpectedObject) {
    ServidorSandbox servidor(EnUnPuertoLibre());
    servidor.Inicia();
    struct Caso {
        const char* metodo;
        std::string operacion;
        std::string cuerpo;
        int estado;
    };
    for (const Caso& caso : {
             Caso{"POST", "IniciarDM", CuerpoConId(1), 405},
             Caso{"GET", "Detalles", "{\"Id_Descarga\": 1}", 405},
             Caso{"GET", "IniciarDM", "", 400},
             Caso{"GET", "IniciarDM", "{\"Id\": \"1\"}", 400},
             Caso{"GET", "IniciarDM", "[1]", 400},
             Caso{"GET", "ValidarIDMirvalo", "{\"IDMirvalo\": \"ESCUELA001\"}", 400},
             Caso{"GET", "ObtenerArchivos",
                  "{\"IdDescargas\": 1, \"IdTipoPlataforma\": 2, \"IdTipoAsistente\": 2}", 400},
             Caso{"GET", "ObtenerArchivos",
                  "{\"IdDescargas\": 1, \"IdTipoPlataforma\": 2, \"IdTipoAsistente\": 2, \"Aplicaciones\": "
                  "[{\"IdNivel\": \"2\"}]}",
                  400},
             Caso{"GET", "NoExiste", CuerpoConId(1), 404},
         }) {
        EXPECT_EQ(Pide(servidor.Puerto(), caso.metodo, kApi + caso.operacion, caso.cuerpo).estado,
                  caso.estado)
            << caso.metodo << " " << caso.operacion << " " << caso.cuerpo;
    }
}

}  // namespace
}  // namespace mirvalo::sandbox
