#pragma once
#include <cstdint>
#include <string>

#include "platform/CarpetasEspeciales.h"

namespace mirvalo {

// The shell's special folders, by CSIDL (see csidl:: in CarpetasEspeciales.h).
class EX_FoldersOS {
public:
    // The folder's path, without a trailing separator; empty text when the shell does not know
    // the identifier or the folder cannot be found.
    std::string GetSpecialfolder(int32_t csidl) const;
};

}  // namespace mirvalo
