#include "platform/Shell.h"

#include "support/RaizDePrueba.h"

#include <gmock/gmock.h>

namespace mirvalo::sistema {
namespace {

namespace fs = std::filesystem;
using prueba::RaizDePrueba;
using testing::HasSubstr;
using Shell = RaizDePrueba;

// Records its arguments, one a line, into a file; stands in for the desktop's xdg-open or for a
// program of the product.
std::string Anotador(const fs::path& salida) {
    return "#!/bin/sh\nfor a in \"$@\"; do printf '%s\\n' \"$a\"; done > '" + salida.string() +
           ".tmp'\nmv '" + salida.string() + ".tmp' '" + salida.string() + "'\n";
}

TEST_F(Shell, AnAddressOrAFolderIsJournaledAndGoesToTheDesktopWhenThereIsOne) {
    const fs::path programas = raiz_ / "bin";
    Escribe(programas / "xdg-open", Anotador(raiz_ / "abierto.txt"));
    fs::permissions(programas / "xdg-open", fs::perms::owner_all);
    setenv("PATH", (programas.string() + ":" + std::getenv("PATH")).c_str(), 1);
    setenv("DISPLAY", ":99", 1);
    unsetenv("QT_QPA_PLATFORM");

    const std::string direccion = "https://www.mirvalo.example/contacto/?nds=AB12&x=\"1 2\"";
    EXPECT_TRUE(AbreConElShell(direccion));
    ASSERT_TRUE(AparecePronto(raiz_ / "abierto.txt"));
    EXPECT_EQ(Lee(raiz_ / "abierto.txt"), direccion + "\n");

    fs::remove(raiz_ / "abierto.txt");
    EXPECT_TRUE(AbreConElShell("C:\\Users\\Public\\Desktop"));
    ASSERT_TRUE(AparecePronto(raiz_ / "abierto.txt"));
    EXPECT_EQ(Lee(raiz_ / "abierto.txt"), (raiz_ / "Users/Public/Desktop").string() + "\n");

    EXPECT_EQ(Diario(), "shell open: " + direccion + "\nshell open: C:\\Users\\Public\\Desktop\n");
}

TEST_F(Shell, WithoutADesktopOnlyTheJournalRecordsTheOpen) {
    setenv("DISPLAY", ":99", 1);
    setenv("QT_QPA_PLATFORM", "offscreen", 1);  // windows drawn offscreen: nobody to show a browser to
    EXPECT_TRUE(AbreConElShell("mailto:soporte@mirvalo.example"));
    EXPECT_FALSE(AbreConElShell("C:\\No\\Existe"));
    EXPECT_EQ(Diario(), "shell open: mailto:soporte@mirvalo.example\nshell open: C:\\No\\Existe not found\n");
}

TEST_F(Shell, AProgramStartsWithItsParametersSplitAsWindowsSplitsThem) {
    // The security tool's call: three quoted arguments, the middle one empty.
    Escribe(raiz_ / "Program Files/Mirvalo X/SecurityFolder.exe", Anotador(raiz_ / "herramienta.txt"));
    EXPECT_TRUE(
        AbreConElShell(R"(C:\Program Files\Mirvalo X\SecurityFolder.exe)",
                       R"("ImpresoraPredeterminada" "" "C:\Program Files\Mirvalo X\Utilerías\LogMV.txt")"));
    ASSERT_TRUE(AparecePronto(raiz_ / "herramienta.txt"));
    EXPECT_EQ(Lee(raiz_ / "herramienta.txt"),
              "ImpresoraPredeterminada\n\nC:\\Program Files\\Mirvalo X\\Utilerías\\LogMV.txt\n");
    EXPECT_THAT(Diario(), HasSubstr("start: "));
}

}  // namespace
}  // namespace mirvalo::sistema
