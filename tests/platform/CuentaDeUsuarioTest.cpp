#include "platform/CuentaDeUsuario.h"

#include "platform/posix/CuentaDeUsuario.h"

#include <gmock/gmock.h>
#include <grp.h>
#include <unistd.h>

namespace mirvalo::sistema {
namespace {

TEST(CuentaDeUsuario, TheSuperuserOrAMemberOfAnAdministratorsGroup) {
    struct Caso {
        uid_t usuario;
        std::vector<std::string> grupos;
        bool administrador;
    };
    const Caso casos[] = {
        {0, {}, true},
        {1000, {"users", "sudo"}, true},
        {1000, {"wheel"}, true},
        {1000, {"admin"}, true},
        {1000, {"users", "adm", "sudoers", "Sudo"}, false},
        {1000, {}, false},
    };
    for (const Caso& caso : casos)
        EXPECT_EQ(EsAdministradorSegun(caso.usuario, caso.grupos), caso.administrador) << caso.usuario;
}

TEST(CuentaDeUsuario, TheAccountsGroupsAreReadByName) {
    const group* principal = getgrgid(getegid());
    ASSERT_NE(principal, nullptr);
    EXPECT_THAT(GruposDeLaCuenta(), testing::Contains(std::string(principal->gr_name)));
}

}  // namespace
}  // namespace mirvalo::sistema
