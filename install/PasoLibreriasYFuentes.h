#pragma once

namespace mirvalo {

class DM_Core;

// Third installation step (603): the libraries, controls and support files of the product's
// "\Utilerías\Dlls" folder are copied into the system folder, each newly copied library is
// registered, and each new TrueType font is installed. Nothing already in place is overwritten
// or registered again.
class PasoLibreriasYFuentes {
public:
    explicit PasoLibreriasYFuentes(DM_Core& core) : core_(core) {}

    // The step; reports 603 itself. Registrations run hidden and are never waited for.
    void InstalarLibreriasYFuentes();

private:
    DM_Core& core_;
};

}  // namespace mirvalo
