#pragma once

namespace mirvalo {

class DM_Core;
class SecurityFolder;

// Second installation step (602): full-control permissions on the installation folder, set by the
// product's security tool, whose log file tells that it is done.
class PasoPermisos {
public:
    PasoPermisos(DM_Core& core, const SecurityFolder& herramienta) : core_(core), herramienta_(herramienta) {}

    // The step; reports 602 itself.
    void DarPermisoDeAdministrador();

private:
    DM_Core& core_;
    const SecurityFolder& herramienta_;
};

}  // namespace mirvalo
