#pragma once
#include <sys/types.h>

#include <string>
#include <vector>

namespace mirvalo::sistema {

// The rule of the POSIX emulation, on an account's user id and the names of its groups.
bool EsAdministradorSegun(uid_t usuario, const std::vector<std::string>& grupos);

// The names of the groups of this process's account: those the process holds and those the group
// database gives the account.
std::vector<std::string> GruposDeLaCuenta();

}  // namespace mirvalo::sistema
