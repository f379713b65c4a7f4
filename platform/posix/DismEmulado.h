#pragma once
#include <string>
#include <vector>

namespace mirvalo::procesos {

// The emulated DISM. "/Online /Enable-Feature /FeatureName:NetFx3 [/All]" (options in any letter
// case and order; /Quiet, /NoRestart, /LimitAccess and /Source: are accepted and ignored)
// switches on the .NET Framework 3.5 feature: it registers the framework versions 2.0, 3.0 and 3.5
// in the registry and ends with 0. Another feature ends with 0x800F080C (unknown feature); missing
// or unknown options with 87 (bad parameter).
//
// MIRVALO_DISM_EXIT_CODE, when set to a number other than 0, makes DISM fail with that exit code
// without changing anything, as when the feature's files cannot be reached offline.
int EjecutaDism(const std::vector<std::string>& argumentos);

}  // namespace mirvalo::procesos
