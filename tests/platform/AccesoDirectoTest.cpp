#include "platform/AccesoDirecto.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"
#include "support/Lnkinfo.h"
#include "support/RaizDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;

using prueba::Lnkinfo;

class AccesoDirectoTest : public prueba::RaizDePrueba {
protected:
    void SetUp() override {
        RaizDePrueba::SetUp();
        // Paths as the assistant forms them: a variable's value followed by backslashed parts.
        instalacion_ = sistema::Entorno("ProgramFiles") + "\\Mirvalo Escuela Local";
        fs::create_directories(sistema::RutaNativa(instalacion_ + "\\Utilerías"));
        std::ofstream(sistema::RutaNativa(instalacion_ + "\\CAMVLogIn.exe")) << "MZ and some more bytes";
        escritorio_ = sistema::Entorno("USERPROFILE") + "\\Desktop";
    }
    std::string instalacion_;
    std::string escritorio_;
};

TEST_F(AccesoDirectoTest, SavesARealShortcutWithTargetWorkingFolderAndIcon) {
    AccesoDirecto acceso = AccesoDirecto::CreateShortcut(escritorio_ + "\\Mirvalo Escuela Local.lnk");
    acceso.TargetPath(instalacion_ + "\\CAMVLogIn.exe");
    acceso.IconLocation(instalacion_ + "\\Utilerías\\mvicon.ico");
    acceso.WorkingDirectory(instalacion_);
    acceso.Save();

    const std::string info = Lnkinfo(sistema::RutaNativa(escritorio_ + "\\Mirvalo Escuela Local.lnk"));
    EXPECT_NE(info.find("Local path\t\t\t: C:\\Program Files\\Mirvalo Escuela Local\\CAMVLogIn.exe\n"),
              std::string::npos)
        << info;
    EXPECT_NE(info.find("Working directory\t\t: C:\\Program Files\\Mirvalo Escuela Local\n"),
              std::string::npos)
        << info;
    EXPECT_NE(
        info.find("Icon location\t\t\t: C:\\Program Files\\Mirvalo Escuela Local\\Utilerías\\mvicon.ico\n"),
        std::string::npos)
        << info;
    EXPECT_NE(info.find("File size\t\t\t: 22 bytes"), std::string::npos) << info;  // the target's
    EXPECT_NE(info.find("FILE_ATTRIBUTE_ARCHIVE"), std::string::npos) << info;
}

TEST_F(AccesoDirectoTest, SavingAgainRewritesTheShortcut) {
    const std::string ruta = escritorio_ + "\\Mirvalo.lnk";
    AccesoDirecto primero = AccesoDirecto::CreateShortcut(ruta);
    primero.TargetPath(instalacion_ + "\\Viejo.exe");
    primero.WorkingDirectory(instalacion_ + "\\Utilerías");
    primero.Save();

    AccesoDirecto segundo = AccesoDirecto::CreateShortcut(ruta);
    segundo.TargetPath("D:\\Otro\\CAMVLogIn.exe");
    segundo.IconLocation("D:\\Otro\\mvicon.ico,2");
    segundo.Save();

    const std::string info = Lnkinfo(sistema::RutaNativa(ruta));
    EXPECT_NE(info.find("Local path\t\t\t: C:\\Otro\\CAMVLogIn.exe\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Icon location\t\t\t: C:\\Otro\\mvicon.ico\n"), std::string::npos) << info;
    EXPECT_NE(info.find("Icon index\t\t\t: 2\n"), std::string::npos) << info;
    EXPECT_EQ(info.find("Working directory"), std::string::npos) << info;
    EXPECT_NE(info.find("File size\t\t\t: 0 bytes"), std::string::npos) << info;  // no such target
}

TEST_F(AccesoDirectoTest, RefusesOtherFilesAndFailsWithoutTouchingAnythingWhenTheFolderIsMissing) {
    EXPECT_THROW(AccesoDirecto::CreateShortcut(escritorio_ + "\\Mirvalo.txt"), Error);
    EXPECT_NO_THROW(AccesoDirecto::CreateShortcut(escritorio_ + "\\Mirvalo.LNK"));

    AccesoDirecto acceso =
        AccesoDirecto::CreateShortcut(sistema::Entorno("USERPROFILE") + "\\NoHay\\Mirvalo.lnk");
    acceso.TargetPath(instalacion_ + "\\CAMVLogIn.exe");
    try {
        acceso.Save();
        FAIL() << "saved into a missing folder";
    } catch (const Error& error) {
        EXPECT_EQ(error.Numero(), errores::ArchivoNoEncontrado);
    }
    EXPECT_FALSE(fs::exists(sistema::RutaNativa(sistema::Entorno("USERPROFILE") + "\\NoHay")));
}

}  // namespace
}  // namespace mirvalo
