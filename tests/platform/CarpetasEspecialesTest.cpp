#include "platform/EX_FoldersOS.h"

#include "platform/SistemaRaiz.h"

#include "support/RaizDePrueba.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using prueba::RaizDePrueba;
using CarpetasEspeciales = RaizDePrueba;

TEST_F(CarpetasEspeciales, EveryFolderTheAssistantUsesLiesInTheRoot) {
    const std::string perfil = "Users/" + sistema::NombreDelUsuario();
    const std::string menu = perfil + "/AppData/Roaming/Microsoft/Windows/Start Menu";
    struct Caso {
        int32_t csidl;
        std::string carpeta;
    };
    const Caso casos[] = {
        {csidl::Desktop, perfil + "/Desktop"},
        {csidl::Programs, menu + "/Programs"},
        {csidl::StartMenu, menu},
        {csidl::CommonStartMenu, "ProgramData/Microsoft/Windows/Start Menu"},
        {csidl::CommonPrograms, "ProgramData/Microsoft/Windows/Start Menu/Programs"},
        {csidl::CommonDesktop, "Users/Public/Desktop"},
        {csidl::Fonts, "Windows/Fonts"},
        {csidl::System, "Windows/System32"},
        {csidl::Windows, "Windows"},
        {csidl::ProgramFiles, "Program Files"},
        {csidl::LocalAppData, perfil + "/AppData/Local"},
    };
    const EX_FoldersOS carpetas;
    for (const Caso& caso : casos)
        EXPECT_EQ(carpetas.GetSpecialfolder(caso.csidl), (raiz_ / caso.carpeta).string()) << caso.csidl;
}

TEST_F(CarpetasEspeciales, UnknownOrMissingFoldersGiveEmptyText) {
    const EX_FoldersOS carpetas;
    EXPECT_EQ(carpetas.GetSpecialfolder(1), "");  // CSIDL_INTERNET has no folder
    EXPECT_EQ(carpetas.GetSpecialfolder(9999), "");

    const fs::path escritorio = carpetas.GetSpecialfolder(csidl::Desktop);
    fs::remove(escritorio);
    EXPECT_EQ(carpetas.GetSpecialfolder(csidl::Desktop), "");
    EXPECT_EQ(carpetas.GetSpecialfolder(csidl::Desktop | csidl::FlagCreate), escritorio.string());
    EXPECT_TRUE(fs::is_directory(escritorio));
}

TEST_F(CarpetasEspeciales, TheProfileFollowsAUserprofileSetWithATrailingSeparator) {
    fs::create_directories(raiz_ / "perfil propio/Desktop");
    setenv("USERPROFILE", (raiz_ / "perfil propio/").c_str(), 1);
    EXPECT_EQ(EX_FoldersOS().GetSpecialfolder(csidl::Desktop), (raiz_ / "perfil propio/Desktop").string());
    EXPECT_EQ(EX_FoldersOS().GetSpecialfolder(csidl::Profile), (raiz_ / "perfil propio").string());
}

}  // namespace
}  // namespace mirvalo
