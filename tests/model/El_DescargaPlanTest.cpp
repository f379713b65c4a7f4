#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <limits>
#include <string>
#include <vector>

#include "model/El_Descarga.h"
#include "model/El_Fallo.h"
#include "platform/Error.h"
#include "platform/Eventos.h"
#include "support/ServidorDePrueba.h"
#include "tools/sandbox-server/ServidorSandbox.h"
#include "webapi/EX_JSON.h"
#include "webapi/LectorDeClaves.h"

namespace mirvalo {
namespace {

using prueba::PeticionRecibida;
using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

std::vector<std::string> RutasDeInstalador(const El_Descarga& descarga) {
    std::vector<std::string> rutas;
    for (const El_Archivo& archivo : descarga.Archivos()) rutas.push_back(archivo.RutaInstalador);
    return rutas;
}

El_Archivo ConRutaDeInstalacion(std::string rutaInstalacion) {
    El_Archivo archivo;
    archivo.RutaInstalador = "instalador.bin";
    archivo.RutaInstalacion = std::move(rutaInstalacion);
    return archivo;
}

// Against the development Web API and its sample product.
class El_DescargaPlanSandboxTest : public ::testing::Test {
protected:
    void SetUp() override {
        servidor_.Inicia();
        setenv("MIRVALO_API_URL", servidor_.Url().c_str(), 1);
    }

    static sandbox::Opciones EnUnPuertoLibre() {
        sandbox::Opciones opciones;
        opciones.puerto = 0;
        return opciones;
    }

    // A local school's run that chose Lectura Primaria.
    std::vector<std::string> PlanDelModo(int32_t modo) {
        El_Descarga descarga(fallos_);
        descarga.EstablecePlataforma(1);
        descarga.EstableceAsistente(modo);
        descarga.AgregarAplicacionALaDescarga(201, "2");
        EXPECT_TRUE(descarga.ObtenerArchivosADescargar());
        return RutasDeInstalador(descarga);
    }

    sandbox::ServidorSandbox servidor_{EnUnPuertoLibre()};
    El_Fallo fallos_{[] { return 0; }};
};

TEST_F(El_DescargaPlanSandboxTest, DownloadAndInstallIsPlannedAsADownload) {
    const std::vector<std::string> conInstalador = {
        "Guía de instalación.txt",
        "Mirvalo\\Configuración.ini",
        "Mirvalo\\Recursos\\Logotipo.bin",
        "Mirvalo\\Plataforma\\Servidor Local.txt",
        "Mirvalo\\Utilerías\\SecurityFolder.exe",
        "Mirvalo\\CAMVLogIn.exe",
        "Mirvalo\\mvicon.ico",
        "Mirvalo\\Base de datos\\MVDataBase.mdb",
        "Mirvalo\\Utilerías\\Dlls\\MVComunes.dll",
        "Mirvalo\\Utilerías\\Dlls\\MVControles.ocx",
        "Mirvalo\\Utilerías\\Dlls\\MVTextos.dat",
        "Mirvalo\\Utilerías\\Dlls\\DejaVuSans.ttf",
        "Aplicaciones\\Español\\Lectura\\Primaria\\Actividades.txt",
        "Aplicaciones\\Español\\Lectura\\Guía del docente.txt",
    };
    EXPECT_EQ(PlanDelModo(2), conInstalador);
    EXPECT_EQ(PlanDelModo(3), conInstalador);
    // Installing only, the server leaves out the files that are not installed (the installer-only guides).
    std::vector<std::string> soloInstalados(conInstalador.begin() + 1, conInstalador.end() - 1);
    EXPECT_EQ(PlanDelModo(1), soloInstalados);
}

TEST_F(El_DescargaPlanSandboxTest, ThePlanCarriesEachFilesRealSizeAndFindsInstalledFiles) {
    El_Descarga descarga(fallos_);
    descarga.EstablecePlataforma(1);
    descarga.EstableceAsistente(3);
    descarga.AgregarAplicacionALaDescarga(201, "2");
    ASSERT_TRUE(descarga.ObtenerArchivosADescargar());

    const std::filesystem::path producto = std::filesystem::path(MIRVALO_SANDBOX_DATA) / "producto";
    int64_t suma = 0;
    for (const El_Archivo& archivo : descarga.Archivos()) {
        SCOPED_TRACE(archivo.RutaInstalador);
        std::string relativa = archivo.RutaInstalador;
        for (char& c : relativa)
            if (c == '\\') c = '/';
        EXPECT_EQ(archivo.Peso, static_cast<int32_t>(std::filesystem::file_size(producto / relativa)));
        EXPECT_THAT(archivo.RutaServidor, ::testing::StartsWith(servidor_.Url() + "/"));
        EXPECT_FALSE(archivo.DescargadoParaInstalador);
        EXPECT_FALSE(archivo.DescargadoParaInstalacion);
        suma += archivo.Peso;
    }
    EXPECT_EQ(descarga.TotalArchivos(), 14);
    EXPECT_EQ(descarga.TotalPeso(), suma);

    descarga.EstableceCarpetaInstalacion("C:\\Program Files\\Mirvalo Plataforma Local");
    EXPECT_EQ(
        descarga.ObtenerLaRutaDeInstalacionDelArchivo("actividades.txt"),
        "C:\\Program Files\\Mirvalo Plataforma Local\\Aplicaciones\\Lectura\\Primaria\\Actividades.txt");
    EXPECT_EQ(descarga.ObtenerLaRutaDeInstalacionDelArchivo("Guía del docente.txt"), "");
    EXPECT_EQ(descarga.ObtenerLaRutaDeInstalacionDelArchivo("securityfolder.exe"),
              "C:\\Program Files\\Mirvalo Plataforma Local\\Utilerías\\SecurityFolder.exe");
}

// Against scripted answers.
class El_DescargaPlanTest : public ::testing::Test {
protected:
    void SetUp() override { setenv("MIRVALO_API_URL", servidor_.Url().c_str(), 1); }
    void TearDown() override { EstableceBombaDeEventos(nullptr); }

    static ObjetoJson Cuerpo(const PeticionRecibida& peticion) {
        auto valor = EX_JSON().parse(peticion.cuerpo);
        if (!valor || valor->tipo() != ValorJson::Tipo::Objeto) throw std::runtime_error("no object");
        return std::move(valor->Objeto());
    }

    ServidorDePrueba servidor_;
    El_Fallo fallos_{[] { return 0; }};
    El_Descarga descarga_{fallos_};
};

TEST_F(El_DescargaPlanTest, TheRequestCarriesTheChosenApplicationsInOrderAndModeThreeAsTwo) {
    servidor_.Responde(RespuestaProgramada::Con(200, "[]"));
    const struct {
        int32_t modo;
        int16_t pedido;
    } casos[] = {{1, 1}, {2, 2}, {3, 2}};
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.modo);
        El_Descarga descarga(fallos_);
        descarga.EstableceIdDescarga(31);
        descarga.EstablecePlataforma(2);
        descarga.EstableceAsistente(caso.modo);
        descarga.AgregarAplicacionALaDescarga(101, "2");
        descarga.AgregarAplicacionALaDescarga(-3, "Secundaria");
        descarga.AgregarAplicacionALaDescarga(101, "2");

        EXPECT_TRUE(descarga.ObtenerArchivosADescargar());
        EXPECT_THAT(descarga.Archivos(), IsEmpty());

        const PeticionRecibida peticion = servidor_.Peticiones().back();
        EXPECT_EQ(peticion.metodo + " " + peticion.ruta, "GET /api/v1/DownloadManager/ObtenerArchivos");
        const ObjetoJson cuerpo = Cuerpo(peticion);
        const LectorDeClaves claves(cuerpo);
        EXPECT_EQ(claves.Entero32("IdDescargas"), 31);
        EXPECT_EQ(claves.Entero16("IdTipoPlataforma"), 2);
        EXPECT_EQ(claves.Entero16("IdTipoAsistente"), caso.pedido);
        const ListaJson& aplicaciones = cuerpo.Busca("Aplicaciones")->Lista();
        ASSERT_EQ(aplicaciones.size(), 3u);
        const int16_t ids[] = {101, -3, 101};
        const char* niveles[] = {"2", "Secundaria", "2"};
        for (size_t i = 0; i < 3; ++i) {
            EXPECT_EQ(LectorDeClaves(aplicaciones[i]).Entero16("IdAplicacion"), ids[i]);
            EXPECT_EQ(LectorDeClaves(aplicaciones[i]).Texto("IdNivel"), niveles[i]);
        }
    }
}

TEST_F(El_DescargaPlanTest, WithNoApplicationChosenTheListIsEmptyAndTheAnswerIsTaken) {
    servidor_.Responde(RespuestaProgramada::Con(200, R"([{"RutaInstalador": "Comun.txt", "Peso": 1}])"));
    ASSERT_TRUE(descarga_.ObtenerArchivosADescargar());

    const ObjetoJson cuerpo = Cuerpo(servidor_.Peticiones().at(0));
    EXPECT_THAT(cuerpo.Busca("Aplicaciones")->Lista(), IsEmpty());
    EXPECT_THAT(RutasDeInstalador(descarga_), ElementsAre("Comun.txt"));
}

TEST_F(El_DescargaPlanTest, ItemsAreReadInOrderLettingEventsRunBeforeEach) {
    servidor_.Responde(RespuestaProgramada::Con(200, R"([
        {"RutaServidor": "http://h/a.txt", "RutaInstalador": "A\\a.txt", "RutaInstalacion": "I\\a.txt",
         "Peso": 10},
        {"RutaServidor": "http://h/b.bin", "RutaInstalador": "b.bin", "Peso": " 2048 "},
        {"Peso": 2.5}, {"Peso": 3.5}, {}])"));
    // What a screen reading the plan during the events sees.
    std::vector<size_t> vistos;
    EstableceBombaDeEventos([&] { vistos.push_back(descarga_.Archivos().size()); });

    ASSERT_TRUE(descarga_.ObtenerArchivosADescargar());

    EXPECT_THAT(vistos, ElementsAre(0, 1, 2, 3, 4));
    const auto& archivos = descarga_.Archivos();
    ASSERT_EQ(archivos.size(), 5u);
    EXPECT_EQ(archivos[0].RutaServidor, "http://h/a.txt");
    EXPECT_EQ(archivos[0].RutaInstalador, "A\\a.txt");
    EXPECT_EQ(archivos[0].RutaInstalacion, "I\\a.txt");
    EXPECT_EQ(archivos[1].RutaInstalacion, "");
    std::vector<int32_t> pesos;
    for (const El_Archivo& archivo : archivos) pesos.push_back(archivo.Peso);
    EXPECT_THAT(pesos, ElementsAre(10, 2048, 2, 4, 0));  // rounded to the even integer
    EXPECT_EQ(archivos[4].RutaServidor, "");
}

TEST_F(El_DescargaPlanTest, ASecondRequestDiscardsTheEarlierPlanFlagsIncluded) {
    servidor_.Encola(RespuestaProgramada::Con(200, R"([{"RutaInstalador": "a"}, {"RutaInstalador": "b"}])"));
    ASSERT_TRUE(descarga_.ObtenerArchivosADescargar());
    for (El_Archivo& archivo : descarga_.Archivos()) {
        archivo.DescargadoParaInstalador = true;
        archivo.DescargadoParaInstalacion = true;
    }
    servidor_.Responde(RespuestaProgramada::Con(200, R"([{"RutaInstalador": "a"}])"));
    ASSERT_TRUE(descarga_.ObtenerArchivosADescargar());

    ASSERT_THAT(RutasDeInstalador(descarga_), ElementsAre("a"));
    EXPECT_FALSE(descarga_.Archivos()[0].DescargadoParaInstalador);
    EXPECT_FALSE(descarga_.Archivos()[0].DescargadoParaInstalacion);
}

TEST_F(El_DescargaPlanTest, AnyFailureGivesFalseKeepsTheRecordsReadBeforeAndReportsNothing) {
    const struct {
        const char* nombre;
        RespuestaProgramada respuesta;
        std::vector<std::string> quedan;
    } casos[] = {
        {"not found", RespuestaProgramada::Con(404, "[]"), {}},
        {"server error", RespuestaProgramada::Con(500), {}},
        {"an object, not a list", RespuestaProgramada::Con(200, R"({"RutaInstalador": "a"})"), {}},
        {"size not numeric",
         RespuestaProgramada::Con(200, R"([{"RutaInstalador": "a"}, {"Peso": "mucho"}])"),
         {"a"}},
        {"size beyond 32 bits",
         RespuestaProgramada::Con(200, R"([{"RutaInstalador": "a"}, {"Peso": 2147483648}])"),
         {"a"}},
        {"null size", RespuestaProgramada::Con(200, R"([{"RutaInstalador": "a"}, {"Peso": null}])"), {"a"}},
        {"item not an object", RespuestaProgramada::Con(200, R"([{"RutaInstalador": "a"}, "b"])"), {"a"}},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        El_Descarga descarga(fallos_);
        descarga.Archivos().push_back(ConRutaDeInstalacion("anterior"));
        servidor_.Responde(caso.respuesta);
        const size_t antes = servidor_.Peticiones().size();

        EXPECT_FALSE(descarga.ObtenerArchivosADescargar());
        EXPECT_EQ(RutasDeInstalador(descarga), caso.quedan);
        EXPECT_EQ(servidor_.Peticiones().size(), antes + 1);  // the request, no failure report
    }
}

TEST_F(El_DescargaPlanTest, ARequestThatCannotBeBuiltOrSentGivesFalse) {
    descarga_.EstablecePlataforma(70000);  // not a 16-bit platform type
    EXPECT_FALSE(descarga_.ObtenerArchivosADescargar());
    EXPECT_THAT(servidor_.Peticiones(), IsEmpty());

    descarga_.EstablecePlataforma(1);
    servidor_.Detiene();
    EXPECT_FALSE(descarga_.ObtenerArchivosADescargar());
    EXPECT_THAT(descarga_.Archivos(), IsEmpty());
}

TEST_F(El_DescargaPlanTest, TheInstalledFileLookupTakesTheFirstRecordContainingTheName) {
    descarga_.EstableceCarpetaInstalacion("C:\\Inst");
    EXPECT_EQ(descarga_.ObtenerLaRutaDeInstalacionDelArchivo(""), "");  // empty plan

    auto& archivos = descarga_.Archivos();
    archivos.push_back(ConRutaDeInstalacion(""));
    archivos.back().RutaInstalador = "Guia.txt";
    archivos.push_back(ConRutaDeInstalacion("Programas\\Seguridad\\SECURITYFOLDER.EXE"));
    archivos.push_back(ConRutaDeInstalacion("Otra\\SecurityFolder.exe"));
    archivos.push_back(ConRutaDeInstalacion("CAMVLogIn.exe"));

    const struct {
        const char* nombre;
        const char* ruta;
    } casos[] = {
        {"securityfolder.exe", "C:\\Inst\\Programas\\Seguridad\\SECURITYFOLDER.EXE"},
        {"  CAMVLogIn.exe  ", "C:\\Inst\\CAMVLogIn.exe"},
        {"seguridad\\security", "C:\\Inst\\Programas\\Seguridad\\SECURITYFOLDER.EXE"},
        {"otra\\", "C:\\Inst\\Otra\\SecurityFolder.exe"},
        {"", "C:\\Inst\\Programas\\Seguridad\\SECURITYFOLDER.EXE"},  // the first that is installed
        {"Guia.txt", ""},                                            // an installer path is not searched
        {"MVDataBase.mdb", ""},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.nombre);
        EXPECT_EQ(descarga_.ObtenerLaRutaDeInstalacionDelArchivo(caso.nombre), caso.ruta);
    }
    EXPECT_THAT(servidor_.Peticiones(), IsEmpty());  // nothing failed, nothing logged
}

TEST_F(El_DescargaPlanTest, TheTotalSizeIsShownInTheUnitThatKeepsItAtMost1024) {
    const struct {
        std::vector<int32_t> pesos;
        const char* texto;
    } casos[] = {
        {{}, "0 bytes"},
        {{0}, "0 bytes"},
        {{1024}, "1024 bytes"},
        {{1024, 1}, "1 KB"},
        {{1536}, "2 KB"},
        {{2560}, "2 KB"},  // 2.5 to the even 2
        {{1048576}, "1024 KB"},
        {{1049600}, "1 MB"},
        {{1048576, 524288}, "2 MB"},
        {{1073741824}, "1024 MB"},
        {{std::numeric_limits<int32_t>::max()}, "2 GB"},
    };
    for (const auto& caso : casos) {
        SCOPED_TRACE(caso.texto);
        auto& archivos = descarga_.Archivos();
        archivos.clear();
        int64_t suma = 0;
        for (int32_t peso : caso.pesos) {
            archivos.push_back(ConRutaDeInstalacion(""));
            archivos.back().Peso = peso;
            suma += peso;
        }
        EXPECT_EQ(descarga_.TotalArchivos(), static_cast<int32_t>(caso.pesos.size()));
        EXPECT_EQ(descarga_.TotalPeso(), suma);
        EXPECT_EQ(descarga_.TotalPesoTexto(), caso.texto);
    }
}

TEST_F(El_DescargaPlanTest, ATotalBeyond32BitsIsAnOverflowForTheCaller) {
    auto& archivos = descarga_.Archivos();
    for (int32_t peso : {std::numeric_limits<int32_t>::max(), 1}) {
        archivos.push_back(ConRutaDeInstalacion(""));
        archivos.back().Peso = peso;
    }
    for (auto total : {+[](const El_Descarga& d) { (void)d.TotalPeso(); },
                       +[](const El_Descarga& d) { (void)d.TotalPesoTexto(); }}) {
        try {
            total(descarga_);
            ADD_FAILURE() << "no error raised";
        } catch (const Error& error) {
            EXPECT_EQ(error.Numero(), errores::Desbordamiento);
            EXPECT_EQ(error.Descripcion(), "Overflow");
        }
    }
}

}  // namespace
}  // namespace mirvalo
