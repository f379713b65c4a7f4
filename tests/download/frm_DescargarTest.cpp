#include "download/frm_Descargar.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "core/TiposDeError.h"
#include "download/CarpetaDeDescarga.h"
#include "frm_DescargarDePrueba.h"
#include "platform/SistemaRaiz.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::PasoReportado;

// Runs against the development server and its sample product.
class DescargaDelProducto : public prueba::DescargaDePrueba {
protected:
    El_Descarga& Prepara(int32_t modo, int32_t plataforma, sandbox::Opciones opciones = {}) {
        sandbox_ = &ArrancaElServidor(opciones);
        DM_Core& core = CreaElCore();
        core.CargarConfiguraciones(1);
        El_Descarga& descarga = core.Descarga;
        descarga.EstablecePlataforma(plataforma);
        descarga.EstableceAsistente(modo);
        // Números for Primaria brings a binary file and the suite's manual; Lectura for Primaria a
        // guide that goes to the installer folder only.
        descarga.AgregarAplicacionALaDescarga(101, "2");
        descarga.AgregarAplicacionALaDescarga(201, "2");
        return descarga;
    }

    std::vector<PasoReportado> PasosDelServidor() const {
        return prueba::PasosReportados(sandbox_->Reportes());
    }

    // The names in a folder that begin with `prefijo`.
    static std::vector<std::string> NombresQueEmpiezanCon(const fs::path& carpeta,
                                                          const std::string& prefijo) {
        std::vector<std::string> nombres;
        for (const auto& entrada : fs::directory_iterator(carpeta)) {
            const std::string nombre = entrada.path().filename().string();
            if (nombre.starts_with(prefijo)) nombres.push_back(nombre);
        }
        return nombres;
    }

    sandbox::ServidorSandbox* sandbox_ = nullptr;
};

TEST_F(DescargaDelProducto, LoadStylesTheScreenReportsAndWaitsForItsTimer) {
    Prepara(3, 2);
    Ventana& ventana = Abre();

    EXPECT_EQ(ventana.Caption(), "Asistente de Descarga Mirvalo 2020.1");
    EXPECT_EQ(ventana.Obten<Etiqueta>("lblTitulo").Caption(), "Recopilando información...");
    EXPECT_EQ(ventana.Obten<Etiqueta>("lblProgresoIndividual").Caption(), "Progreso por archivo");
    EXPECT_EQ(ventana.Obten<Etiqueta>("lblProgresoGeneral").Caption(), "Progreso general");
    for (const char* oculto : {"lblProgresoIndividual", "picProgresoIndividual", "lblProgresoGeneral",
                               "picProgresoGeneral", "picBotonCancelar"})
        EXPECT_FALSE(ventana.Obten<ControlVisible>(oculto).Visible()) << oculto;
    const auto& barra = ventana.Obten<CajaDeImagen>("picProgresoGeneral");
    EXPECT_EQ(barra.BackColor(), RGB(192, 192, 192));
    EXPECT_EQ(barra.ForeColor(), RGB(69, 69, 69));
    EXPECT_EQ(barra.BorderStyle(), EstiloDeBorde::Ninguno);
    EXPECT_EQ(ventana.Obten<Etiqueta>("picBotonCancelarLabel").Caption(), "Cancelar");
    const auto& temporizador = ventana.Obten<Temporizador>("tmrInicio");
    EXPECT_TRUE(temporizador.Enabled());
    EXPECT_EQ(temporizador.Interval(), 100);
    EXPECT_EQ(PasosDelServidor(), (std::vector<PasoReportado>{{1, 500, 1, ""}}));
    EXPECT_EQ(Core().Descarga.Archivos().size(), 0u);
}

struct Modo {
    const char* nombre;
    int32_t modo;
    int32_t plataforma;
    std::string titulo;
    std::string instalador;   // the folder's name on the desktop; empty: none
    std::string instalacion;  // under the program files; empty: none
    std::string siguiente;
};

void PrintTo(const Modo& modo, std::ostream* salida) {
    *salida << modo.nombre;
}

class ModosDeDescarga : public DescargaDelProducto, public ::testing::WithParamInterface<Modo> {};

TEST_P(ModosDeDescarga, MakeTheModesFoldersAndCopiesThenHandOver) {
    const Modo& caso = GetParam();
    El_Descarga& descarga = Prepara(caso.modo, caso.plataforma);

    Corre();

    const std::vector<El_Archivo>& plan = descarga.Archivos();
    ASSERT_FALSE(plan.empty());
    const fs::path programas = sistema::RutaNativa(sistema::Entorno("ProgramFiles"));
    const auto una = [](const std::string& nombre) {
        return nombre.empty() ? std::vector<std::string>{} : std::vector<std::string>{nombre};
    };
    EXPECT_EQ(NombresQueEmpiezanCon(Escritorio(), "Instalador de Mirvalo"), una(caso.instalador));
    EXPECT_EQ(NombresQueEmpiezanCon(programas, "Mirvalo"), una(caso.instalacion));
    if (caso.instalador.empty()) {
        EXPECT_EQ(descarga.CarpetaInstalador(), "");
    } else {
        EXPECT_EQ(Instalador(), Escritorio() / caso.instalador);
    }
    if (caso.instalacion.empty()) {
        EXPECT_EQ(descarga.CarpetaInstalacion(), "");
    } else {
        EXPECT_EQ(Instalacion(), programas / caso.instalacion);
    }

    // Every copy the mode needs is in place at its size, and none it does not need was made.
    const bool instala = caso.modo == 1 || caso.modo == 3;
    const bool descargaLosInstaladores = caso.modo == 2 || caso.modo == 3;
    for (const El_Archivo& archivo : plan) {
        if (descargaLosInstaladores) {
            EXPECT_TRUE(carpetas::ExisteConElTamano(
                descarga.CarpetaInstalador() + "\\" + archivo.RutaInstalador, archivo.Peso))
                << archivo.RutaInstalador;
            EXPECT_TRUE(archivo.DescargadoParaInstalador);
        }
        if (instala && !archivo.RutaInstalacion.empty()) {
            EXPECT_TRUE(carpetas::ExisteConElTamano(
                descarga.CarpetaInstalacion() + "\\" + archivo.RutaInstalacion, archivo.Peso))
                << archivo.RutaInstalacion;
        }
        if (instala) {
            EXPECT_TRUE(archivo.DescargadoParaInstalacion);
        }
    }
    if (descargaLosInstaladores) {
        // A binary file with every byte value arrives unchanged, in its subfolder.
        const std::string tablas = prueba::LeeElArchivo(
            fs::path(MIRVALO_SANDBOX_DATA) / "producto/Aplicaciones/Matemáticas/Números/Primaria/Tablas.bin");
        EXPECT_EQ(prueba::LeeElArchivo(Instalador() / "Aplicaciones/Matemáticas/Números/Primaria/Tablas.bin"),
                  tablas);
    }

    const bool hayPasada = descargaLosInstaladores || instala;
    EXPECT_EQ(PasosDelServidor(),
              (std::vector<PasoReportado>{{1, 500, 1, ""},
                                          {1, 501, 1, ""},
                                          {1, 502, 1, hayPasada ? "Intentos: 1" : "Intentos: 0"},
                                          {1, 503, 1, ""}}));
    ASSERT_EQ(Entregas().size(), 1u);
    const prueba::Entrega& entrega = Entregas()[0];
    EXPECT_EQ(entrega.pantalla, caso.siguiente);
    EXPECT_EQ(entrega.titulo, caso.titulo);
    if (hayPasada) {
        EXPECT_EQ(entrega.progresoGeneral, "Progreso general - " + std::to_string(plan.size()) + " de " +
                                               std::to_string(plan.size()) + " archivos descargados");
        EXPECT_EQ(entrega.barraGeneral, 100);
    } else {
        EXPECT_EQ(entrega.progresoGeneral, "Progreso general");
    }
    EXPECT_EQ(simulacion::VentanaAbierta("frm_Descargar"), nullptr);
    EXPECT_EQ(prueba::TemporalesBajo(raiz_), std::vector<fs::path>{});
}

const std::string EnElEscritorio = "Descargando instaladores en el Escritorio de Windows";

INSTANTIATE_TEST_SUITE_P(
    DescargaDelProducto, ModosDeDescarga,
    ::testing::Values(Modo{"DownloadAndInstallCloud", 3, 2, EnElEscritorio,
                           "Instalador de Mirvalo Mirvalo Plataforma Cloud",
                           "Mirvalo Mirvalo Plataforma Cloud", "frm_Instalar"},
                      Modo{"DownloadOnlyLocal", 2, 1, EnElEscritorio,
                           "Instalador de Mirvalo Mirvalo Plataforma Local", "", "frm_Finalizar"},
                      Modo{"InstallOnlyLocal", 1, 1, "Descargando instaladores", "",
                           "Mirvalo Mirvalo Plataforma Local", "frm_Instalar"},
                      // A mode the run does not know makes nothing and ends on the final screen.
                      Modo{"UnknownMode", 4, 2, EnElEscritorio, "", "", "frm_Finalizar"}),
    [](const ::testing::TestParamInfo<Modo>& info) { return info.param.nombre; });

TEST_F(DescargaDelProducto, APlatformNameThatIsNoFolderNameMakesNoFolderAndEndsWithADownloadError) {
    sandbox::Opciones opciones;
    opciones.nombrePlataforma = "..\\..\\..\\Windows";
    El_Descarga& descarga = Prepara(2, 2, opciones);

    Corre();

    EXPECT_EQ(descarga.CarpetaInstalador(), "");
    EXPECT_EQ(NombresQueEmpiezanCon(Escritorio(), "Instalador"), std::vector<std::string>{});
    EXPECT_FALSE(fs::exists(raiz_ / "Windows Cloud"));
    const std::vector<PasoReportado> pasos = PasosDelServidor();
    ASSERT_GE(pasos.size(), 2u);
    EXPECT_EQ(pasos[1], (PasoReportado{
                            1, 501, 0,
                            "No se pudieron crear las carpetas necesarias. (75 - Path/File access error)."}));
    EXPECT_EQ(Core().Configuraciones.Error(), ErrorDescarga);
    ASSERT_EQ(Entregas().size(), 1u);
    EXPECT_EQ(Entregas()[0].pantalla, "frm_Error");
}

}  // namespace
}  // namespace mirvalo
