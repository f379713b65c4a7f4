#include "install/frm_Instalar.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <utility>
#include <vector>

#include "InstalacionDePrueba.h"
#include "core/TiposDeError.h"
#include "install/InstalacionDelProducto.h"
#include "platform/ImpresoraAdministracion.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

using prueba::PasoReportado;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

// What the installation window showed when a step began.
struct Vista {
    std::string paso;
    std::string texto;
    int porcentaje = -1;
    bool operator==(const Vista&) const = default;
    friend std::ostream& operator<<(std::ostream& salida, const Vista& v) {
        return salida << "{" << v.paso << ", \"" << v.texto << "\", " << v.porcentaje << "}";
    }
};

// What the installation window shows now; "(no window)" when it is not open.
Vista LoQueMuestra(std::string momento) {
    Ventana* ventana = simulacion::VentanaAbierta("frm_Instalar");
    if (!ventana) return {std::move(momento), "(no window)", -1};
    return {std::move(momento), ventana->Obten<Etiqueta>("lblProgresoGeneral").Caption(),
            ventana->Obten<CajaDeImagen>("picProgresoGeneral").ProgresoMostrado().value_or(-1)};
}

// The product's steps, noting for each what the window shows as it begins.
class PasosObservados : public PasosDeInstalacion {
public:
    PasosObservados(std::unique_ptr<PasosDeInstalacion> pasos, std::vector<Vista>& vistas)
        : pasos_(std::move(pasos)), vistas_(vistas) {}

    void CreaLasCarpetasDeLasAplicaciones() override {
        Anota("601");
        pasos_->CreaLasCarpetasDeLasAplicaciones();
    }
    void DarPermisoDeAdministrador() override {
        Anota("602");
        pasos_->DarPermisoDeAdministrador();
    }
    void InstalarLibreriasYFuentes() override {
        Anota("603");
        pasos_->InstalarLibreriasYFuentes();
    }
    bool InstalarLaImpresoraMirvalo() override {
        Anota("604");
        return pasos_->InstalarLaImpresoraMirvalo();
    }
    void EliminaVirtualStore() override {
        Anota("605");
        pasos_->EliminaVirtualStore();
    }
    void EstablecerPermisosAlRegistroDeWindows() override {
        Anota("606");
        pasos_->EstablecerPermisosAlRegistroDeWindows();
    }
    void CreaElAccesoDirecto() override {
        Anota("607");
        pasos_->CreaElAccesoDirecto();
    }

private:
    void Anota(std::string paso) { vistas_.push_back(LoQueMuestra(std::move(paso))); }

    std::unique_ptr<PasosDeInstalacion> pasos_;
    std::vector<Vista>& vistas_;
};

class PantallaDeInstalacion : public prueba::InstalacionDePrueba {
protected:
    void SetUp() override {
        InstalacionDePrueba::SetUp();
        // The stand-ins note what the installation window showed when it handed over to them.
        for (const char* pantalla : {"frm_Finalizar", "frm_Error"})
            pantallas::Registra(pantalla, [this, pantalla] { entregas_.push_back(LoQueMuestra(pantalla)); });
    }
    // Opens the screen on the product's real steps and runs the event loop until it hands over.
    void Ejecuta() {
        auto pasos = std::make_unique<PasosObservados>(
            std::make_unique<InstalacionDelProducto>(Core(), EsperaCorta), vistas_);
        Pantalla::Abre<frm_Instalar>(std::move(pasos));
        ASSERT_TRUE(simulacion::EsperaHasta([this] { return !entregas_.empty(); }, std::chrono::seconds(30)));
        simulacion::DejaPasar(std::chrono::milliseconds(1));
    }

    std::vector<Vista> vistas_;
    std::vector<Vista> entregas_;
};

TEST_F(PantallaDeInstalacion, LoadsWithItsLayoutAndReportsItself) {
    Ventana& ventana = Pantalla::Abre<frm_Instalar>().Me();
    ventana.Obten<Temporizador>("tmrInicio").Enabled(false);  // the run would start

    EXPECT_EQ(ventana.Caption(), "Asistente de Descarga Mirvalo 2020.1");
    EXPECT_EQ(ventana.Width(), 11910);
    EXPECT_EQ(ventana.Height(), 4815);
    EXPECT_EQ(ventana.Obten<Etiqueta>("lblTitulo").Caption(), "Instalando...");
    EXPECT_EQ(ventana.Obten<Etiqueta>("lblProgresoGeneral").Caption(), "Instalando...");
    const auto& barra = ventana.Obten<CajaDeImagen>("picProgresoGeneral");
    EXPECT_EQ(barra.BorderStyle(), EstiloDeBorde::Ninguno);
    EXPECT_EQ(barra.BackColor(), RGB(192, 192, 192));
    EXPECT_EQ(barra.ForeColor(), RGB(69, 69, 69));
    EXPECT_EQ(barra.FillColor(), RGB(109, 125, 146));
    EXPECT_EQ(ventana.Obten<CajaDeImagen>("picFranjaOficialColor2").BackColor(), RGB(0, 79, 142));
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 600, 1, ""}}));
}

TEST_F(PantallaDeInstalacion, EveryStepRunsUnderItsTextAndPercentageThenTheFinalScreenFollows) {
    // Nothing of the product is in place: without the security tool the permissions fail, the empty
    // libraries folder (made by the first step) holds nothing to install, and no shortcut is made.
    Ejecuta();

    EXPECT_EQ(vistas_, (std::vector<Vista>{
                           {"601", "Creando estructura de carpetas", 14},
                           {"602", "Estableciendo permisos de Administrador a la carpeta Mirvalo", 28},
                           {"603", "Instalando librerías y fuentes", 42},
                           {"604", "Instalando la impresora Mirvalo", 56},
                           {"605", "Eliminando elementos de Virtual Store", 70},
                           {"606", "Configurando compatibilidad con evaluaciones de Outlook", 84},
                           {"607", "Creando accesos directos a Mirvalo", 98},
                       }));
    EXPECT_THAT(entregas_, ElementsAre(Vista{"frm_Finalizar", "Finalizando", 99}));
    EXPECT_EQ(simulacion::VentanaAbierta("frm_Instalar"), nullptr);
    const std::string noSeEstablecieron =
        "No se pudieron establecer los permisos de Seguridad de Control total a la carpeta de instalación de "
        "Mirvalo. No existe SecurityFolder.exe";
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{
                           {1, 600, 1, ""},
                           {1, 601, 1, ""},
                           {1, 602, 0, noSeEstablecieron},
                           {1, 603, 1, ""},
                           {1, 604, 1, ""},
                           {1, 605, 1, ""},
                           {1, 606, 1, ""},
                           {1, 607, 1, ""},
                       }));
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(PantallaDeInstalacion, APrinterThatCannotBeAddedEndsTheRunOnTheErrorScreen) {
    // The spooler takes "Mirvalo" for this printer's name, which the step does not see as its own.
    impresoras::AgregaImpresora({"MIRVALO", "LPT1:", "MS Publisher Color Printer", "", "WinPrint"});

    Ejecuta();

    ASSERT_EQ(vistas_.size(), 4u);
    EXPECT_EQ(vistas_.back(), (Vista{"604", "Instalando la impresora Mirvalo", 56}));
    EXPECT_THAT(entregas_, ElementsAre(Vista{"frm_Error", "Instalando la impresora Mirvalo", 56}));
    EXPECT_EQ(simulacion::VentanaAbierta("frm_Instalar"), nullptr);
    EXPECT_EQ(Core().Configuraciones.Error(), ErrorImpresora);
    const std::vector<PasoReportado> pasos = Pasos();
    ASSERT_FALSE(pasos.empty());
    EXPECT_EQ(pasos.back(), (PasoReportado{1, 604, 0, "No se pudo instalar la impresora Mirvalo."}));
    for (const PasoReportado& paso : pasos) EXPECT_LT(paso.paso, 605) << paso;
}

}  // namespace
}  // namespace mirvalo
