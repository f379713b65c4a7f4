#include "platform/ImpresoraAdministracion.h"

#include <gtest/gtest.h>
#include <algorithm>
#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/Error.h"
#include "support/RaizDePrueba.h"

namespace mirvalo::impresoras {
namespace {

namespace fs = std::filesystem;

using ImpresoraAdministracion = prueba::RaizDePrueba;

std::vector<std::string> Nombres(const std::vector<Impresora>& impresoras) {
    std::vector<std::string> nombres;
    for (const auto& impresora : impresoras) nombres.push_back(impresora.nombre);
    return nombres;
}

TEST_F(ImpresoraAdministracion, AFreshWindowsHasThePublisherDriverAndTheDefaultPdfPrinter) {
    const std::vector<std::string> controladores = Controladores();
    EXPECT_NE(std::find(controladores.begin(), controladores.end(), "MS Publisher Color Printer"),
              controladores.end());
    EXPECT_EQ(Procesadores(), std::vector<std::string>{"WinPrint"});
    EXPECT_EQ(Nombres(Impresoras()), std::vector<std::string>{"Microsoft Print to PDF"});
    EXPECT_EQ(Predeterminada(), "Microsoft Print to PDF");
}

TEST_F(ImpresoraAdministracion, ChangesAreKeptInTheRootInCollectionOrderWithAnyCharacters) {
    const std::string puerto = raiz_.string() + "/Windows\\PrintingMV\\PrinterOut.txt";
    AgregaPuerto({puerto, PuertoLocal});
    AgregaImpresora(
        {"Mirvalo", puerto, "MS Publisher Color Printer", "tab\there\n100% new line", "WinPrint"});
    AgregaImpresora({"Aula 2", "LPT1:", "MS Publisher Color Printer", "", "WinPrint"});

    EXPECT_TRUE(fs::exists(raiz_ / "printers.txt"));
    const std::vector<Impresora> impresoras = Impresoras();
    EXPECT_EQ(Nombres(impresoras), (std::vector<std::string>{"Microsoft Print to PDF", "Mirvalo", "Aula 2"}));
    EXPECT_EQ(impresoras[1].puerto, puerto);
    EXPECT_EQ(impresoras[1].comentario, "tab\there\n100% new line");
    EXPECT_EQ(impresoras[1].procesador, "WinPrint");
    EXPECT_EQ(Puertos().back().nombre, puerto);
    EXPECT_EQ(Puertos().back().tipo, PuertoLocal);

    EliminaImpresora("mirvalo");  // the spooler's names ignore letter case
    EXPECT_EQ(Nombres(Impresoras()), (std::vector<std::string>{"Microsoft Print to PDF", "Aula 2"}));
    EliminaPuerto(puerto);
    EXPECT_EQ(Puertos().size(), 3u);
}

TEST_F(ImpresoraAdministracion, RefusesWhatTheSpoolerRefuses) {
    AgregaImpresora({"Mirvalo", "LPT1:", "MS Publisher Color Printer", "", "WinPrint"});
    struct Caso {
        const char* que;
        std::function<void()> operacion;
        int32_t numero;
    };
    const std::vector<Caso> casos = {
        {"same name, other case",
         [] {
             AgregaImpresora({"MIRVALO", "LPT1:", "MS Publisher Color Printer", "", "WinPrint"});
         },
         fallos::ImpresoraYaExiste},
        {"unknown port",
         [] {
             AgregaImpresora({"B", "LPT9:", "MS Publisher Color Printer", "", "WinPrint"});
         },
         fallos::PuertoDesconocido},
        {"unknown driver",
         [] {
             AgregaImpresora({"B", "LPT1:", "HP LaserJet", "", "WinPrint"});
         },
         fallos::ControladorDesconocido},
        {"unknown processor",
         [] {
             AgregaImpresora({"B", "LPT1:", "MS Publisher Color Printer", "", "Otro"});
         },
         fallos::ProcesadorDesconocido},
        {"comma in name",
         [] {
             AgregaImpresora({"a,b", "LPT1:", "MS Publisher Color Printer", "", "WinPrint"});
         },
         fallos::NombreDeImpresoraNoValido},
        {"empty name",
         [] {
             AgregaImpresora({"", "LPT1:", "MS Publisher Color Printer", "", "WinPrint"});
         },
         fallos::NombreDeImpresoraNoValido},
        {"existing port",
         [] {
             AgregaPuerto({"lpt1:", PuertoLocal});
         },
         fallos::YaExiste},
        {"empty port",
         [] {
             AgregaPuerto({"", PuertoLocal});
         },
         fallos::ParametroIncorrecto},
        {"port in use", [] { EliminaPuerto("LPT1:"); }, fallos::RecursoEnUso},
        {"missing port", [] { EliminaPuerto("COM7:"); }, fallos::PuertoDesconocido},
        {"missing printer", [] { EliminaImpresora("Nadie"); }, fallos::NombreDeImpresoraNoValido},
        {"default missing printer", [] { EstablecePredeterminada("Nadie"); },
         fallos::NombreDeImpresoraNoValido},
    };
    for (const Caso& caso : casos) {
        try {
            caso.operacion();
            ADD_FAILURE() << caso.que << ": no error";
        } catch (const Error& error) {
            EXPECT_EQ(error.Numero(), caso.numero) << caso.que;
            EXPECT_FALSE(error.Descripcion().empty()) << caso.que;
        }
    }
    EXPECT_EQ(Nombres(Impresoras()), (std::vector<std::string>{"Microsoft Print to PDF", "Mirvalo"}));
    EXPECT_EQ(Puertos().size(), 3u);
}

TEST_F(ImpresoraAdministracion, DeletingTheDefaultPrinterLeavesNoneAndAnEmptyNameTakesTheFirst) {
    AgregaImpresora({"Mirvalo", "LPT1:", "MS Publisher Color Printer", "", "WinPrint"});
    EstablecePredeterminada("MIRVALO");
    EXPECT_EQ(Predeterminada(), "Mirvalo");  // the printer's own spelling

    EliminaImpresora("Mirvalo");
    EXPECT_EQ(Predeterminada(), "");
    EstablecePredeterminada("");
    EXPECT_EQ(Predeterminada(), "Microsoft Print to PDF");
    EstablecePredeterminada("");  // a default that exists stays
    EXPECT_EQ(Predeterminada(), "Microsoft Print to PDF");
}

TEST_F(ImpresoraAdministracion, ADamagedFileIsAnErrorNotAnEmptySpooler) {
    std::ofstream(raiz_ / "printers.txt") << "driver\tX\nprinter\tonly two fields\n";
    try {
        Impresoras();
        FAIL() << "no error";
    } catch (const Error& error) {
        EXPECT_EQ(error.Numero(), errores::ErrorDeEntradaSalida);
    }
}

}  // namespace
}  // namespace mirvalo::impresoras
