#pragma once

namespace mirvalo {

// The seven steps of the installation run, in the order the installation screen runs them. Each
// step reports its own outcome to the server; none raises.
class PasosDeInstalacion {
public:
    virtual ~PasosDeInstalacion() = default;

    virtual void CreaLasCarpetasDeLasAplicaciones() = 0;
    virtual void DarPermisoDeAdministrador() = 0;
    virtual void InstalarLibreriasYFuentes() = 0;
    // False when the printer could not be added: the error kind is stored and the run must stop.
    virtual bool InstalarLaImpresoraMirvalo() = 0;
    virtual void EliminaVirtualStore() = 0;
    virtual void EstablecerPermisosAlRegistroDeWindows() = 0;
    virtual void CreaElAccesoDirecto() = 0;
};

}  // namespace mirvalo
