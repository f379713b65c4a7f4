#include "screens/frm_Finalizar.h"

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "support/PantallasDePrueba.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::PasoReportado;

class PantallaFinal : public prueba::PantallasDePrueba {
protected:
    // A run loaded from the development server (download id 1) that ended in `modo`.
    Ventana& Muestra(int32_t modo) {
        sandbox_ = &ArrancaElServidor();
        CreaElCore().CargarConfiguraciones(1);
        Core().Descarga.EstableceAsistente(modo);
        return Pantalla::Abre<frm_Finalizar>().Me();
    }

    std::vector<PasoReportado> Pasos() const { return prueba::PasosReportados(sandbox_->Reportes()); }

    sandbox::ServidorSandbox* sandbox_ = nullptr;
};

const std::string AvisoDeCopia =
    "Puedes copiar los archivos descargados a otros equipos y ejecutar el instalador en cada uno.";

struct Disposicion {
    const char* nombre;
    int32_t modo;
    std::string titulo;
    std::string mensaje;
    double arribaDelMensaje;
    std::optional<double> abrirCarpeta;  // the button's left when shown
    std::optional<double> iniciar;
};

void PrintTo(const Disposicion& d, std::ostream* salida) {
    *salida << d.nombre;
}

class Disposiciones : public PantallaFinal, public ::testing::WithParamInterface<Disposicion> {};

TEST_P(Disposiciones, ShowTheModesTitleMessageAndButtons) {
    const Disposicion& caso = GetParam();

    Ventana& ventana = Muestra(caso.modo);

    EXPECT_EQ(ventana.Caption(), "Asistente de Descarga Mirvalo 2020.1");
    EXPECT_EQ(ventana.Obten<Etiqueta>("lblTitulo").Caption(), caso.titulo);
    const auto& mensaje = ventana.Obten<Etiqueta>("lblMensaje");
    EXPECT_EQ(mensaje.Caption(), caso.mensaje);
    EXPECT_DOUBLE_EQ(mensaje.Top(), caso.arribaDelMensaje);
    const auto& abrir = ventana.Obten<CajaDeImagen>("picBotonAbrirCarpetaInstalador");
    const auto& iniciar = ventana.Obten<CajaDeImagen>("picBotonIniciarMirvalo");
    EXPECT_EQ(abrir.Visible(), caso.abrirCarpeta.has_value());
    EXPECT_EQ(iniciar.Visible(), caso.iniciar.has_value());
    if (caso.abrirCarpeta) {
        EXPECT_DOUBLE_EQ(abrir.Left(), *caso.abrirCarpeta);
    }
    if (caso.iniciar) {
        EXPECT_DOUBLE_EQ(iniciar.Left(), *caso.iniciar);
    }
    EXPECT_EQ(ventana.Obten<Etiqueta>("picBotonAbrirCarpetaInstaladorLabel").Caption(),
              "Abrir carpeta de la descarga");
    EXPECT_EQ(ventana.Obten<Etiqueta>("picBotonIniciarMirvaloLabel").Caption(), "Iniciar Mirvalo");
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 700, 1, ""}}));
}

INSTANTIATE_TEST_SUITE_P(
    PantallaFinal, Disposiciones,
    ::testing::Values(
        // The copy hint first, then the installation on a line of its own.
        Disposicion{"DownloadAndInstall", 3, "Descarga e instalación finalizadas",
                    AvisoDeCopia + "\r\nMirvalo se ha instalado exitosamente en este equipo.", 1680, 2385,
                    6360},
        Disposicion{"InstallOnly", 1, "Instalación finalizada", "Se ha instalado Mirvalo en este equipo.",
                    2055, std::nullopt, 4327.5},
        Disposicion{"DownloadOnly", 2, "Descarga finalizada", AvisoDeCopia, 2055, 4327.5, std::nullopt},
        Disposicion{"UnknownMode", 0, "Finalizado",
                    AvisoDeCopia + " Mirvalo se instaló para el equipo actual.", 1680, std::nullopt,
                    std::nullopt}),
    [](const ::testing::TestParamInfo<Disposicion>& info) { return info.param.nombre; });

TEST_F(PantallaFinal, IniciarMirvaloStartsTheInstalledLauncherAndEndsTheProcess) {
    Ventana& ventana = Muestra(1);
    const fs::path instalacion = raiz_ / "Program Files/Mirvalo Mirvalo Plataforma Cloud";
    const fs::path marca = raiz_ / "iniciado";
    const fs::path lanzador = instalacion / "Mirvalo/CAMVLogIn.exe";
    fs::create_directories(lanzador.parent_path());
    std::ofstream(lanzador) << "#!/bin/sh\necho iniciado > '" << marca.string() << "'\n";
    El_Descarga& descarga = Core().Descarga;
    descarga.EstableceCarpetaInstalacion(instalacion.string());
    descarga.Archivos() = {
        {"http://127.0.0.1/a", "Configuración.ini", "Configuración.ini", 1, true, true},
        {"http://127.0.0.1/b", "Mirvalo\\CAMVLogIn.exe", "Mirvalo\\CAMVLogIn.exe", 1, true, true}};

    simulacion::Clic(ventana, "picBotonIniciarMirvalo");

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 700, 1, ""}, {1, 701, 1, ""}}));
    EXPECT_TRUE(simulacion::EsperaHasta([&] { return fs::exists(marca); }));
}

TEST_F(PantallaFinal, IniciarMirvaloWithoutALauncherInThePlanOnlyEndsTheProcess) {
    Ventana& ventana = Muestra(3);
    Core().Descarga.Archivos() = {
        {"http://127.0.0.1/a", "Configuración.ini", "Configuración.ini", 1, true, true}};

    simulacion::Clic(ventana, "picBotonIniciarMirvalo");

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 700, 1, ""}}));
    EXPECT_EQ(AperturasDelShell(), std::vector<std::string>{});
}

TEST_F(PantallaFinal, AbrirCarpetaOpensTheInstallerFolderAndEndsTheProcess) {
    Ventana& ventana = Muestra(2);
    const fs::path carpeta = raiz_ / "Users/Escritorio/Instalador de Mirvalo Mirvalo Plataforma Cloud";
    fs::create_directories(carpeta);
    Core().Descarga.EstableceCarpetaInstalador(carpeta.string());

    simulacion::Clic(ventana, "picBotonAbrirCarpetaInstalador");

    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_EQ(AperturasDelShell(), std::vector<std::string>{"shell open: " + carpeta.string()});
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 700, 1, ""}, {1, 702, 1, ""}}));
}

}  // namespace
}  // namespace mirvalo
