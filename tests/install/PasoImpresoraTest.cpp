#include "install/PasoImpresora.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

#include "InstalacionDePrueba.h"
#include "core/TiposDeError.h"
#include "platform/ImpresoraAdministracion.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::Herramienta;
using prueba::PasoReportado;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

constexpr const char* Controlador = "MS Publisher Color Printer";
constexpr const char* PdfDeFabrica = "Microsoft Print to PDF";

class Impresora : public prueba::InstalacionDePrueba {
protected:
    void SetUp() override {
        InstalacionDePrueba::SetUp();
        fs::create_directories(Nativa(instalacion_ + "\\Utilerías"));
        carpeta_ = sistema::Entorno("windir") + "\\PrintingMV";
        puerto_ = carpeta_ + "\\PrinterOut.txt";
    }
    bool Instala() {
        const SecurityFolder herramienta = LaHerramienta();
        return PasoImpresora(Core(), herramienta).InstalarLaImpresoraMirvalo();
    }
    static std::optional<impresoras::Impresora> LaImpresora(const std::string& nombre) {
        for (const auto& impresora : impresoras::Impresoras())
            if (impresora.nombre == nombre) return impresora;
        return std::nullopt;
    }
    static bool HayPuerto(const std::string& nombre) {
        for (const auto& puerto : impresoras::Puertos())
            if (puerto.nombre == nombre) return true;
        return false;
    }
    void EsperaLaImpresoraMirvalo() const {
        const auto mirvalo = LaImpresora("Mirvalo");
        ASSERT_TRUE(mirvalo);
        EXPECT_EQ(mirvalo->puerto, puerto_);
        EXPECT_EQ(mirvalo->controlador, Controlador);
        EXPECT_EQ(mirvalo->procesador, "WinPrint");
        EXPECT_EQ(mirvalo->comentario, "");
    }

    std::string carpeta_;
    std::string puerto_;
};

TEST_F(Impresora, WithoutTheToolThePrinterIsStillAddedOnItsFilePort) {
    EXPECT_TRUE(Instala());

    EsperaLaImpresoraMirvalo();
    EXPECT_TRUE(fs::is_directory(Nativa(carpeta_)));
    EXPECT_EQ(impresoras::Predeterminada(), PdfDeFabrica);
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 604, 1, ""}}));
    EXPECT_THAT(Fallos(), IsEmpty());
    EXPECT_EQ(Core().Configuraciones.Error(), 0);
}

TEST_F(Impresora, TheToolOpensThePrinterFolderAndGivesBackTheDefaultPrinter) {
    PonLaHerramienta(Herramienta::Real);
    // An earlier "Mirvalo", the default printer, on a port nothing else uses.
    const std::string puertoViejo = sistema::Entorno("windir") + "\\viejo.txt";
    impresoras::AgregaPuerto({puertoViejo, impresoras::PuertoLocal});
    impresoras::AgregaImpresora({"Mirvalo", puertoViejo, Controlador, "la de antes", "WinPrint"});
    impresoras::EstablecePredeterminada("Mirvalo");

    EXPECT_TRUE(Instala());

    EsperaLaImpresoraMirvalo();
    EXPECT_FALSE(HayPuerto(puertoViejo));
    EXPECT_EQ(impresoras::Predeterminada(), "Mirvalo");
    EXPECT_EQ(fs::status(Nativa(carpeta_)).permissions() & fs::perms::all, fs::perms::all);
    EXPECT_THAT(LineasDelDiario("SecurityFolder:"),
                ElementsAre(::testing::HasSubstr("Impresora \"" + carpeta_ + "\""),
                            ::testing::HasSubstr("ImpresoraPredeterminada \"\""),
                            ::testing::HasSubstr("ImpresoraPredeterminar \"Mirvalo\"")));
    EXPECT_FALSE(fs::exists(Nativa(carpeta_ + "\\LogMV.txt")));
    EXPECT_FALSE(fs::exists(Nativa(instalacion_ + "\\Utilerías\\LogMV.txt")));
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 604, 1, ""}}));
}

TEST_F(Impresora, ASilentToolFailsThePermissionsAndThePrinterIsStillAdded) {
    PonLaHerramienta(Herramienta::Muda);

    EXPECT_TRUE(Instala());

    EsperaLaImpresoraMirvalo();
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{
                           {1, 604, 0, "No se pudieron asignar permisos a la carpeta de la impresora."},
                           {1, 604, 1, ""}}));
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(Impresora, AnOldPortIsKeptWhileAnotherPrinterUsesItAndThePortOfTheStepIsReused) {
    const std::string compartido = sistema::Entorno("windir") + "\\compartido.txt";
    for (const std::string& puerto : {compartido, puerto_})
        impresoras::AgregaPuerto({puerto, impresoras::PuertoLocal});
    impresoras::AgregaImpresora({"Mirvalo", compartido, Controlador, "", "WinPrint"});
    impresoras::AgregaImpresora({"Otra", compartido, Controlador, "", "WinPrint"});

    EXPECT_TRUE(Instala());

    EsperaLaImpresoraMirvalo();
    EXPECT_TRUE(HayPuerto(compartido));
    EXPECT_EQ(LaImpresora("Otra")->puerto, compartido);
    const auto puertos = impresoras::Puertos();
    EXPECT_EQ(
        std::count_if(puertos.begin(), puertos.end(), [&](const auto& p) { return p.nombre == puerto_; }), 1);
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 604, 1, ""}}));
}

TEST_F(Impresora, APrinterThatCannotBeAddedStoresErrorKindFour) {
    // Not found by an exact comparison, so not deleted; but the spooler takes the name as taken.
    impresoras::AgregaImpresora({"mirvalo", "LPT1:", Controlador, "", "WinPrint"});

    EXPECT_FALSE(Instala());

    EXPECT_FALSE(LaImpresora("Mirvalo"));
    EXPECT_TRUE(LaImpresora("mirvalo"));
    EXPECT_EQ(Core().Configuraciones.Error(), ErrorImpresora);
    EXPECT_EQ(Pasos(),
              (std::vector<PasoReportado>{{1, 604, 0, "No se pudo instalar la impresora Mirvalo."}}));
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(Impresora, ASpoolerThatCannotBeReadIsReportedAndTheRunGoesOn) {
    Escribe(raiz_ / "printers.txt", "printer\tsin campos suficientes\n");

    EXPECT_TRUE(Instala());

    ASSERT_EQ(Pasos().size(), 1u);
    EXPECT_EQ(Pasos()[0].status, 0);
    EXPECT_THAT(Pasos()[0].descripcion,
                ::testing::StartsWith("No se pudo instalar la impresora Mirvalo. (57 - "));
    EXPECT_THAT(Fallos(), ElementsAre("InstalarLaImpresoraMirvalo 57"));
    EXPECT_EQ(Core().Configuraciones.Error(), 0);
}

}  // namespace
}  // namespace mirvalo
