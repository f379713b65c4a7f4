#include "install/EX_PrnAdmin.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <optional>

#include "platform/Error.h"
#include "platform/ImpresoraAdministracion.h"
#include "platform/SistemaRaiz.h"
#include "support/RaizDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;

constexpr const char* Controlador = "MS Publisher Color Printer";

class EX_PrnAdminTest : public prueba::RaizDePrueba {
protected:
    void SetUp() override {
        RaizDePrueba::SetUp();
        puerto_ = sistema::Entorno("windir") + "\\PrintingMV\\PrinterOut.txt";
    }
    static std::optional<impresoras::Impresora> Impresora(const std::string& nombre) {
        for (const auto& impresora : impresoras::Impresoras())
            if (impresora.nombre == nombre) return impresora;
        return std::nullopt;
    }

    std::string puerto_;
    EX_PrnAdmin admin_;
};

TEST_F(EX_PrnAdminTest, AddPrinterCreatesItsFilePortAndUsesWinPrint) {
    EXPECT_FALSE(admin_.PrinterPortExists(puerto_));
    EXPECT_TRUE(admin_.AddPrinter("Mirvalo", puerto_, Controlador, ""));

    const auto mirvalo = Impresora("Mirvalo");
    ASSERT_TRUE(mirvalo);
    EXPECT_EQ(mirvalo->puerto, puerto_);
    EXPECT_EQ(mirvalo->controlador, Controlador);
    EXPECT_EQ(mirvalo->procesador, "WinPrint");
    EXPECT_EQ(mirvalo->comentario, "");
    EXPECT_TRUE(admin_.PrinterExists("Mirvalo"));
    EXPECT_TRUE(admin_.PrinterPortExists(puerto_));
    EXPECT_EQ(admin_.NotUsedPort(puerto_), "Mirvalo");
}

TEST_F(EX_PrnAdminTest, APortLeftFromAnEarlierInstallationIsReused) {
    admin_.CreatePrinterPort(puerto_);
    EXPECT_TRUE(admin_.AddPrinter("Mirvalo", puerto_, Controlador, ""));
    const auto puertos = impresoras::Puertos();
    EXPECT_EQ(
        std::count_if(puertos.begin(), puertos.end(), [&](const auto& p) { return p.nombre == puerto_; }), 1);
    EXPECT_THROW(admin_.CreatePrinterPort(puerto_), Error);  // a second one is refused
}

TEST_F(EX_PrnAdminTest, AddPrinterFailsWithFalseAndKeepsThePortItCreated) {
    EXPECT_FALSE(admin_.AddPrinter("Mirvalo", puerto_, "Unknown driver", ""));
    EXPECT_FALSE(admin_.PrinterExists("Mirvalo"));
    EXPECT_TRUE(admin_.PrinterPortExists(puerto_));

    ASSERT_TRUE(admin_.AddPrinter("Mirvalo", puerto_, Controlador, ""));
    EXPECT_FALSE(admin_.AddPrinter("Mirvalo", puerto_, Controlador, ""));  // exists already
}

TEST_F(EX_PrnAdminTest, DeletePrinterTakesTheExistingMirvaloAndItsOwnPort) {
    ASSERT_TRUE(admin_.AddPrinter("Mirvalo", puerto_, Controlador, ""));
    admin_.DeletePrinter("Mirvalo");
    EXPECT_FALSE(admin_.PrinterExists("Mirvalo"));
    EXPECT_FALSE(admin_.PrinterPortExists(puerto_));
    EXPECT_TRUE(admin_.PrinterExists("Microsoft Print to PDF"));
}

TEST_F(EX_PrnAdminTest, APortSharedByAnotherPrinterSurvivesTheDeletion) {
    ASSERT_TRUE(admin_.AddPrinter("Mirvalo", puerto_, Controlador, ""));
    ASSERT_TRUE(admin_.AddPrinter("Aula", puerto_, Controlador, ""));

    admin_.DeletePrinter("Mirvalo");
    EXPECT_FALSE(admin_.PrinterExists("Mirvalo"));
    EXPECT_TRUE(admin_.PrinterPortExists(puerto_));
    EXPECT_EQ(admin_.NotUsedPort(puerto_), "Aula");

    admin_.DeletePrinterPort(puerto_);  // still in use: stays, quietly
    EXPECT_TRUE(admin_.PrinterPortExists(puerto_));
    admin_.DeletePrinter("Aula");
    EXPECT_FALSE(admin_.PrinterPortExists(puerto_));
}

TEST_F(EX_PrnAdminTest, NamesAreComparedExactly) {
    ASSERT_TRUE(admin_.AddPrinter("MIRVALO", "LPT1:", Controlador, ""));
    EXPECT_FALSE(admin_.PrinterExists("Mirvalo"));
    EXPECT_FALSE(admin_.PrinterPortExists("lpt1:"));
    EXPECT_EQ(admin_.NotUsedPort("lpt1:"), "");

    admin_.DeletePrinter("Mirvalo");  // not found: nothing happens
    admin_.DeletePrinterPort("lpt1:");
    EXPECT_TRUE(admin_.PrinterExists("MIRVALO"));
    EXPECT_TRUE(admin_.PrinterPortExists("LPT1:"));
}

TEST_F(EX_PrnAdminTest, FailuresOfTheSpoolerArePassedOnExceptByDeleteAndAdd) {
    std::ofstream(raiz_ / "printers.txt") << "this is no spooler\n";
    EXPECT_THROW(admin_.PrinterExists("Mirvalo"), Error);
    EXPECT_THROW(admin_.PrinterPortExists(puerto_), Error);
    EXPECT_THROW(admin_.NotUsedPort(puerto_), Error);
    EXPECT_THROW(admin_.CreatePrinterPort(puerto_), Error);
    EXPECT_THROW(admin_.DeletePrinterPort(puerto_), Error);
    EXPECT_NO_THROW(admin_.DeletePrinter("Mirvalo"));
    EXPECT_FALSE(admin_.AddPrinter("Mirvalo", puerto_, Controlador, ""));
}

}  // namespace
}  // namespace mirvalo
