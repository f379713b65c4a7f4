#pragma once

namespace mirvalo {

// True when the .NET Framework 2.0 runtime is present, or the user agreed to switch it on and the
// activation ran. The question carries the assistant's title; raises without a core.
bool NetFrameworkDisponible();

}  // namespace mirvalo
