#pragma once

namespace mirvalo {

class DM_Core;
class SecurityFolder;

// Sixth installation step (606): the security tool opens the permissions of the registry key
// "Software\Policies", which the product's evaluations that work with Outlook need.
class PasoRegistro {
public:
    PasoRegistro(DM_Core& core, const SecurityFolder& herramienta) : core_(core), herramienta_(herramienta) {}

    // The step; reports 606 itself. Without the tool there is nothing to do and the step is done.
    void EstablecerPermisosAlRegistroDeWindows();

private:
    DM_Core& core_;
    const SecurityFolder& herramienta_;
};

}  // namespace mirvalo
