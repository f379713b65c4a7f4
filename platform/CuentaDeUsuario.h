#pragma once

namespace mirvalo::sistema {

// Whether the account that runs this process is an administrator of the computer. It is the
// account that counts, not the rights the process holds now: an administrator whose process is
// not elevated is an administrator all the same.
// On the POSIX emulation: the superuser, or a member of one of the administrators' groups of the
// Linux and BSD families, "sudo", "wheel" or "admin" (by the group database, also when the
// process itself does not hold the group).
bool EsCuentaDeAdministrador();

}  // namespace mirvalo::sistema
