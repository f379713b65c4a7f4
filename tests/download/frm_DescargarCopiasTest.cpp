#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <map>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "frm_DescargarDePrueba.h"
#include "platform/Procesos.h"

#include <signal.h>

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::FalloReportado;
using prueba::PasoReportado;
using prueba::RespuestaDePrueba;
using prueba::RespuestaProgramada;
using ::testing::ElementsAre;
using ::testing::Field;
using ::testing::StartsWith;

const std::string TresIntentos = "No se descargaron correctamente varios archivos después de 3 intentos.";

// The scripted Web API answers the plan; the file server answers the transfers.
class CopiasDelPlan : public prueba::DescargaDePrueba {
protected:
    // The installer folder of a run without a loaded configuration: no platform name, platform 2.
    fs::path InstaladorPrevisto() const { return Escritorio() / "Instalador de Mirvalo  Cloud"; }
    fs::path InstalacionPrevista() const {
        return sistema::RutaNativa(sistema::Entorno("ProgramFiles")) / "Mirvalo  Cloud";
    }

    El_Archivo Servido(const std::string& ruta, const std::string& cuerpo, std::string rutaInstalador,
                       std::string rutaInstalacion = "") {
        archivos_.Responde(ruta, RespuestaDePrueba{.cuerpo = cuerpo});
        return {archivos_.Url(ruta), std::move(rutaInstalador), std::move(rutaInstalacion),
                static_cast<int32_t>(cuerpo.size())};
    }

    // How many times each path was asked for.
    std::map<std::string, int> Pedidos() const {
        std::map<std::string, int> pedidos;
        for (const std::string& peticion : archivos_.Peticiones()) {
            const auto inicio = peticion.find(' ') + 1;
            ++pedidos[peticion.substr(inicio, peticion.find(' ', inicio) - inicio)];
        }
        return pedidos;
    }
};

TEST_F(CopiasDelPlan, CopiesInPlaceAtTheirSizeAreKeptAndOthersFetchedAgain) {
    const std::vector<El_Archivo> plan = {
        Servido("/a.bin", "nuevo", "Presente\\a.bin"),
        // One byte off: fetched again, replacing it.
        Servido("/b.bin", "nuevo", "Presente\\b.bin"),
        // An empty file is in place when nothing is expected.
        Servido("/c.bin", "", "vacio.bin"),
    };
    prueba::EscribeElArchivo(InstaladorPrevisto() / "Presente/a.bin", "viejo");
    prueba::EscribeElArchivo(InstaladorPrevisto() / "Presente/b.bin", "viejo!");
    prueba::EscribeElArchivo(InstaladorPrevisto() / "vacio.bin", "");
    PreparaConElPlan(2, plan);

    Corre();

    EXPECT_EQ(Pedidos(), (std::map<std::string, int>{{"/b.bin", 1}}));
    EXPECT_EQ(Instalador(), InstaladorPrevisto());
    EXPECT_EQ(prueba::LeeElArchivo(Instalador() / "Presente/a.bin"), "viejo");
    EXPECT_EQ(prueba::LeeElArchivo(Instalador() / "Presente/b.bin"), "nuevo");
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{
                           {0, 500, 1, ""}, {0, 501, 1, ""}, {0, 502, 1, "Intentos: 1"}, {0, 503, 1, ""}}));
    ASSERT_EQ(Entregas().size(), 1u);
    EXPECT_EQ(Entregas()[0].pantalla, "frm_Finalizar");
    EXPECT_EQ(Entregas()[0].progresoGeneral, "Progreso general - 3 de 3 archivos descargados");
    EXPECT_EQ(Entregas()[0].barraIndividual, 100);
    EXPECT_EQ(Fallos(), std::vector<FalloReportado>{});
}

TEST_F(CopiasDelPlan, DownloadAndInstallFetchesEachFileOnceAndCopiesItIntoTheInstallation) {
    const std::string binario("\0\r\n\x7f\xff datos", 10);
    std::vector<El_Archivo> plan = {
        Servido("/x.bin", binario, "Apps\\Suite\\x.bin", "Bin\\x.bin"),
        Servido("/leeme.txt", "Léeme", "Léeme.txt"),
    };
    // An answer without a length completes all the same; its bar cannot show a percentage.
    archivos_.Responde("/leeme.txt", RespuestaDePrueba{.cuerpo = "Léeme", .conLongitud = false});
    PreparaConElPlan(3, plan);

    Corre();

    EXPECT_EQ(Pedidos(), (std::map<std::string, int>{{"/leeme.txt", 1}, {"/x.bin", 1}}));
    EXPECT_EQ(prueba::LeeElArchivo(Instalador() / "Apps/Suite/x.bin"), binario);
    EXPECT_EQ(prueba::LeeElArchivo(Instalacion() / "Bin/x.bin"), binario);
    EXPECT_EQ(prueba::LeeElArchivo(Instalador() / "Léeme.txt"), "Léeme");
    EXPECT_FALSE(fs::exists(Instalacion() / "Léeme.txt"));
    for (const El_Archivo& archivo : Core().Descarga.Archivos()) {
        EXPECT_TRUE(archivo.DescargadoParaInstalador);
        EXPECT_TRUE(archivo.DescargadoParaInstalacion);
    }
    ASSERT_EQ(Entregas().size(), 1u);
    EXPECT_EQ(Entregas()[0].pantalla, "frm_Instalar");
    EXPECT_EQ(Entregas()[0].barraIndividual, 0);
}

struct Falla {
    const char* nombre;
    RespuestaDePrueba respuesta;
    std::string codigo;  // as the failure report shows it
};

void PrintTo(const Falla& falla, std::ostream* salida) {
    *salida << falla.nombre;
}

class CopiasQueFallan : public CopiasDelPlan, public ::testing::WithParamInterface<Falla> {};

TEST_P(CopiasQueFallan, AreTriedInEachPassAndEndTheRunWithADownloadError) {
    const Falla& falla = GetParam();
    archivos_.Responde("/mal.bin", falla.respuesta);
    const std::vector<El_Archivo> plan = {
        Servido("/bien.bin", "abc", "bien.bin"),
        {archivos_.Url("/mal.bin"), "Sub\\mal.bin", "", 4096},
    };
    PreparaConElPlan(2, plan);

    Corre();

    EXPECT_EQ(Pedidos(), (std::map<std::string, int>{{"/bien.bin", 1}, {"/mal.bin", 3}}));
    EXPECT_EQ(prueba::LeeElArchivo(Instalador() / "bien.bin"), "abc");
    EXPECT_FALSE(fs::exists(Instalador() / "Sub/mal.bin"));
    EXPECT_EQ(prueba::TemporalesBajo(raiz_), std::vector<fs::path>{});

    const std::string destino = Core().Descarga.CarpetaInstalador() + "\\Sub\\mal.bin";
    const FalloReportado fallo{"DescargaElArchivo", 0,
                               "No se pudo descargar el archivo (" + falla.codigo + ") '" +
                                   plan[1].RutaServidor + "' en '" + destino + "'."};
    EXPECT_EQ(Fallos(), (std::vector<FalloReportado>{fallo, fallo, fallo}));
    const std::vector<PasoReportado> pasos = Pasos();
    ASSERT_EQ(pasos.size(), 4u);
    EXPECT_EQ(pasos[2], (PasoReportado{0, 502, 1, "Intentos: 3"}));
    EXPECT_EQ(pasos[3].paso, 503);
    EXPECT_EQ(pasos[3].status, 0);
    // Another test may be running an antivirus stand-in meanwhile, which would extend the text.
    EXPECT_THAT(pasos[3].descripcion, StartsWith(TresIntentos));

    EXPECT_EQ(Core().Configuraciones.Error(), ErrorDescarga);
    ASSERT_EQ(Entregas().size(), 1u);
    EXPECT_EQ(Entregas()[0].pantalla, "frm_Error");
    // The count of a pass starts again at each pass.
    EXPECT_EQ(Entregas()[0].progresoGeneral, "Progreso general - 1 de 2 archivos descargados");
    EXPECT_EQ(Entregas()[0].barraGeneral, 50);
    EXPECT_EQ(simulacion::VentanaAbierta("frm_Descargar"), nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    CopiasDelPlan, CopiasQueFallan,
    ::testing::Values(
        Falla{"NotFound", {.estado = 404, .razon = "Not Found", .cuerpo = "no"}, "404"},
        Falla{"DroppedMidBody", {.cuerpo = std::string(4096, 'x'), .trozo = 512, .cortarTras = 1024}, "999"},
        Falla{"ShorterThanDeclared", {.cuerpo = std::string(100, 'x'), .longitud = "4096"}, "999"}),
    [](const ::testing::TestParamInfo<Falla>& info) { return info.param.nombre; });

TEST_F(CopiasDelPlan, ARunningAvastInterfaceIsNamedInTheDownloadError) {
    const fs::path programa = raiz_ / "Program Files/AVAST Software/Avast/aVaStUi.ExE";
    fs::create_directories(programa.parent_path());
    fs::copy_file("/bin/sleep", programa);
    const int64_t avast = procesos::Inicia({programa.string(), "30"}, procesos::Ventana::Oculta);
    archivos_.Responde("/mal.bin", RespuestaDePrueba{.estado = 404, .razon = "Not Found"});
    PreparaConElPlan(2, {{archivos_.Url("/mal.bin"), "mal.bin", "", 10}});

    Corre();
    kill(static_cast<pid_t>(avast), SIGKILL);

    EXPECT_THAT(Pasos(),
                ::testing::Contains(PasoReportado{0, 503, 0, TresIntentos + " Antivirus Avast = Sí."}));
    EXPECT_EQ(Core().Configuraciones.Error(), ErrorDescarga);
    ASSERT_EQ(Entregas().size(), 1u);
    EXPECT_EQ(Entregas()[0].pantalla, "frm_Error");
}

TEST_F(CopiasDelPlan, APlanThatCannotBeObtainedEndsWithADownloadError) {
    PreparaConLaWebApi(2, RespuestaProgramada::Con(500, "error"));

    Corre();

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{0, 500, 1, ""},
                                                   {0, 503, 0, "No se pudo obtener la lista de archivos."}}));
    EXPECT_EQ(Core().Configuraciones.Error(), ErrorDescarga);
    EXPECT_THAT(Entregas(), ElementsAre(Field(&prueba::Entrega::pantalla, "frm_Error")));
    EXPECT_FALSE(fs::exists(InstaladorPrevisto()));
}

TEST_F(CopiasDelPlan, AnEmptyPlanMakesNoPassAndHandsOverByMode) {
    PreparaConLaWebApi(2, RespuestaProgramada::Con(200, "[]"));

    Corre();

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{
                           {0, 500, 1, ""}, {0, 501, 1, ""}, {0, 502, 1, "Intentos: 0"}, {0, 503, 1, ""}}));
    EXPECT_TRUE(fs::is_directory(InstaladorPrevisto()));
    EXPECT_THAT(Entregas(), ElementsAre(Field(&prueba::Entrega::pantalla, "frm_Finalizar")));
    EXPECT_EQ(Core().Configuraciones.Error(), 0);
}

class RutasQueSalen : public CopiasDelPlan, public ::testing::WithParamInterface<std::string> {};

TEST_P(RutasQueSalen, AreRefusedAndNothingIsWrittenForThem) {
    const std::string& fuera = GetParam();
    // The first record's installer copy and the second one's installation copy would leave their
    // folders; the second one's installer copy is sound.
    const std::vector<El_Archivo> plan = {
        Servido("/uno.bin", "uno", fuera),
        Servido("/dos.bin", "dos", "dos.bin", fuera),
    };
    PreparaConElPlan(3, plan);

    Corre();

    EXPECT_EQ(Pedidos(), (std::map<std::string, int>{{"/dos.bin", 1}}));
    std::vector<fs::path> escritos;
    for (const auto& entrada : fs::recursive_directory_iterator(raiz_))
        if (entrada.path().filename() == "fuera.bin") escritos.push_back(entrada.path());
    EXPECT_EQ(escritos, std::vector<fs::path>{});
    EXPECT_EQ(prueba::LeeElArchivo(Instalador() / "dos.bin"), "dos");

    const FalloReportado rechazo{"CreaLaCarpeta", 75, "Path/File access error"};
    EXPECT_EQ(Fallos(), std::vector<FalloReportado>(6, rechazo));
    EXPECT_EQ(Core().Configuraciones.Error(), ErrorDescarga);
    EXPECT_THAT(Entregas(), ElementsAre(Field(&prueba::Entrega::pantalla, "frm_Error")));
}

INSTANTIATE_TEST_SUITE_P(CopiasDelPlan, RutasQueSalen,
                         ::testing::Values("..\\fuera.bin", "Apps\\..\\..\\fuera.bin", "Apps/../../fuera.bin",
                                           ".. \\fuera.bin", "\\fuera.bin", "/fuera.bin", "C:\\fuera.bin",
                                           "c:fuera.bin"));

}  // namespace
}  // namespace mirvalo
