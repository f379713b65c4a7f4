#include "platform/EX_UserOS.h"

#include "platform/CuentaDeUsuario.h"

namespace mirvalo {

int32_t EX_UserOS::IsAdministrator() const {
    return sistema::EsCuentaDeAdministrador() ? -1 : 0;
}

}  // namespace mirvalo
