#pragma once
#include <cstdint>

namespace mirvalo {

// The .NET Framework 2.0 runtime: whether it is present, and switching on the Windows feature that
// brings it (.NET Framework 3.5, which includes 2.0). Holds nothing between calls.
class EX_NetFramework {
public:
    // -1 when a framework version whose registry name contains "V2.0" (letter case ignored) is
    // registered, 0 otherwise; never fails.
    int16_t Instalado() const;

    // Runs "DISM /Online /Enable-Feature /FeatureName:NetFx3 /All" in a normal window and waits
    // for its end without a time limit. -1 when it ran to its end and its exit code could be read,
    // whatever that code; 0 when it could not be started or waited for.
    int16_t ActivaNetFramework35() const;
};

}  // namespace mirvalo
