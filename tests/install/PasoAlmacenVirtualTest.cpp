#include "install/PasoAlmacenVirtual.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <filesystem>
#include <string>
#include <vector>

#include "InstalacionDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::PasoReportado;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class AlmacenVirtual : public prueba::InstalacionDePrueba {
protected:
    void SetUp() override {
        InstalacionDePrueba::SetUp();
        almacen_ = Nativa(sistema::Entorno("USERPROFILE") + "\\AppData\\Local\\VirtualStore");
    }
    // The product's folder in the virtual store, under "Program Files (x86)" or "Program Files".
    fs::path DelProducto(const char* programas) const {
        return almacen_ / programas / "Mirvalo Mirvalo Plataforma Cloud";
    }
    static void Elimina() { PasoAlmacenVirtual(Core()).EliminaVirtualStore(); }

    fs::path almacen_;
};

TEST_F(AlmacenVirtual, BothFoldersOfTheProductGoWithEverythingInThemAndNothingElse) {
    for (const char* programas : {"Program Files (x86)", "Program Files"}) {
        Escribe(DelProducto(programas) / "config.ini", "copia del usuario");
        Escribe(DelProducto(programas) / "Recursos" / "logo.bin", "copia del usuario");
    }
    Escribe(almacen_ / "Program Files" / "Otro producto" / "datos.ini", "de otro");

    Elimina();

    EXPECT_FALSE(fs::exists(DelProducto("Program Files (x86)")));
    EXPECT_FALSE(fs::exists(DelProducto("Program Files")));
    EXPECT_TRUE(fs::exists(almacen_ / "Program Files" / "Otro producto" / "datos.ini"));
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 605, 1, ""}}));
}

TEST_F(AlmacenVirtual, NoFolderOfTheProductIsNothingToDo) {
    Elimina();
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 605, 1, ""}}));
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(AlmacenVirtual, AFolderHoldingOnlySubfoldersFailsTheStepAndTheSecondIsNotTried) {
    fs::create_directories(DelProducto("Program Files (x86)") / "Recursos");
    Escribe(DelProducto("Program Files") / "config.ini", "copia del usuario");

    Elimina();

    EXPECT_TRUE(fs::exists(DelProducto("Program Files (x86)") / "Recursos"));
    EXPECT_TRUE(fs::exists(DelProducto("Program Files") / "config.ini"));
    EXPECT_EQ(Pasos(),
              (std::vector<PasoReportado>{
                  {1, 605, 0,
                   "Error al tratar de eliminar los archivos de la Virtual Store. (53 - File not found)"}}));
    EXPECT_THAT(Fallos(), ElementsAre("EliminaVirtualStore 53"));
}

TEST_F(AlmacenVirtual, WithoutAnInstallationNameNothingOutsideTheProductsFoldersIsDeleted) {
    Core().Descarga.EstablecePlataforma(0);
    for (const char* programas : {"Program Files (x86)", "Program Files"})
        Escribe(almacen_ / programas / "Otro producto" / "datos.ini", "de otro");

    Elimina();

    for (const char* programas : {"Program Files (x86)", "Program Files"})
        EXPECT_TRUE(fs::exists(almacen_ / programas / "Otro producto" / "datos.ini")) << programas;
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 605, 1, ""}}));
}

}  // namespace
}  // namespace mirvalo
