#include "platform/SistemaRaiz.h"

#include "support/RaizDePrueba.h"

#include <gmock/gmock.h>

namespace mirvalo::sistema {
namespace {

namespace fs = std::filesystem;
using prueba::RaizDePrueba;
using SistemaRaiz = RaizDePrueba;

TEST_F(SistemaRaiz, FirstUseCreatesTheEmulatedWindowsFolders) {
    EXPECT_EQ(Raiz(), raiz_);
    const std::string perfil = "Users/" + NombreDelUsuario();
    for (const std::string& carpeta : std::vector<std::string>{
             "Windows/System32", "Windows/SysWOW64", "Windows/Fonts", "Program Files", "Program Files (x86)",
             "ProgramData/Microsoft/Windows/Start Menu/Programs", "Users/Public/Desktop", perfil + "/Desktop",
             perfil + "/AppData/Local/VirtualStore",
             perfil + "/AppData/Roaming/Microsoft/Windows/Start Menu/Programs"})
        EXPECT_TRUE(fs::is_directory(raiz_ / carpeta)) << carpeta;
}

TEST_F(SistemaRaiz, FollowsAChangeOfTheVariableAndRebuildsADeletedTree) {
    const fs::path otra = raiz_ / "otra raiz";
    setenv("MIRVALO_SYSTEM_ROOT", otra.c_str(), 1);
    EXPECT_EQ(Raiz(), otra);
    EXPECT_TRUE(fs::is_directory(otra / "Windows/System32"));

    fs::remove_all(otra);
    EXPECT_EQ(Raiz(), otra);
    EXPECT_TRUE(fs::is_directory(otra / "Windows/System32"));
}

TEST_F(SistemaRaiz, WithoutTheVariableTheRootIsUnderTheUsersDataFolder) {
    unsetenv("MIRVALO_SYSTEM_ROOT");
    setenv("XDG_DATA_HOME", (raiz_ / "datos").c_str(), 1);
    EXPECT_EQ(Raiz(), raiz_ / "datos/mirvalo/sistema");

    setenv("XDG_DATA_HOME", "relativo", 1);  // ignored, as the XDG rules say
    setenv("HOME", (raiz_ / "casa").c_str(), 1);
    EXPECT_EQ(Raiz(), raiz_ / "casa/.local/share/mirvalo/sistema");
}

TEST_F(SistemaRaiz, WindowsVariablesPointIntoTheRootUnlessSet) {
    const std::string perfil = (raiz_ / "Users" / NombreDelUsuario()).string();
    EXPECT_EQ(Entorno("ProgramFiles"), (raiz_ / "Program Files").string());
    EXPECT_EQ(Entorno("windir"), (raiz_ / "Windows").string());
    EXPECT_EQ(Entorno("WINDIR"), (raiz_ / "Windows").string());
    EXPECT_EQ(Entorno("USERPROFILE"), perfil);
    EXPECT_EQ(Entorno("LOCALAPPDATA"), perfil + "/AppData/Local");

    setenv("USERPROFILE", "/otro/perfil", 1);
    EXPECT_EQ(Entorno("USERPROFILE"), "/otro/perfil");
    EXPECT_EQ(Entorno("APPDATA"), "/otro/perfil/AppData/Roaming");

    EXPECT_EQ(Entorno("MIRVALO_VARIABLE_QUE_NO_EXISTE"), "");
}

TEST_F(SistemaRaiz, NativePathsMapWindowsDrivesIntoTheRoot) {
    struct Caso {
        const char* windows;
        fs::path esperada;
    };
    const Caso casos[] = {
        {"C:\\Windows\\System32\\x.dll", raiz_ / "Windows/System32/x.dll"},
        {"d:\\Datos", raiz_ / "Datos"},
        {"C:", raiz_},
        {"C:Programa.exe", raiz_ / "Programa.exe"},
        {"\\Escritorio.lnk", raiz_ / "Escritorio.lnk"},
        {"\\\\servidor\\recurso\\a.txt", raiz_ / "UNC/servidor/recurso/a.txt"},
        {"/ya/nativa/Program Files\\Mirvalo X\\Utilerías", "/ya/nativa/Program Files/Mirvalo X/Utilerías"},
        {"relativa\\a.txt", "relativa/a.txt"},
        {"", ""},
    };
    for (const Caso& caso : casos) EXPECT_EQ(RutaNativa(caso.windows), caso.esperada) << caso.windows;
}

TEST_F(SistemaRaiz, TheJournalGetsOneLinePerEntry) {
    AnotaEnElDiario("shell open: https://www.mirvalo.example/");
    AnotaEnElDiario("dos\r\nlíneas");
    EXPECT_EQ(Diario(), "shell open: https://www.mirvalo.example/\ndos  líneas\n");
}

}  // namespace
}  // namespace mirvalo::sistema
