#pragma once
#include <cstdint>

namespace mirvalo {

// Tells whether the account that runs the assistant belongs to the computer's administrators.
// Holds nothing between calls: every call asks the system again.
class EX_UserOS {
public:
    // -1 when the account is an administrator (also when the process is not elevated), 0 otherwise.
    int32_t IsAdministrator() const;
};

}  // namespace mirvalo
