#pragma once
#include <chrono>

#include "install/PasoAccesosDirectos.h"
#include "install/PasoAlmacenVirtual.h"
#include "install/PasoCarpetasDeAplicaciones.h"
#include "install/PasoImpresora.h"
#include "install/PasoLibreriasYFuentes.h"
#include "install/PasoPermisos.h"
#include "install/PasoRegistro.h"
#include "install/PasosDeInstalacion.h"
#include "install/SecurityFolder.h"

namespace mirvalo {

class DM_Core;

// The product's installation steps on this computer, working on the run's core object.
class InstalacionDelProducto : public PasosDeInstalacion {
public:
    // `espera`: how long each call of the security tool waits for its log file.
    explicit InstalacionDelProducto(DM_Core& core,
                                    std::chrono::milliseconds espera = SecurityFolder::EsperaNormal);

    void CreaLasCarpetasDeLasAplicaciones() override { carpetas_.CreaLasCarpetasDeLasAplicaciones(); }
    void DarPermisoDeAdministrador() override { permisos_.DarPermisoDeAdministrador(); }
    void InstalarLibreriasYFuentes() override { libreriasYFuentes_.InstalarLibreriasYFuentes(); }
    bool InstalarLaImpresoraMirvalo() override { return impresora_.InstalarLaImpresoraMirvalo(); }
    void EliminaVirtualStore() override { almacenVirtual_.EliminaVirtualStore(); }
    void EstablecerPermisosAlRegistroDeWindows() override {
        registro_.EstablecerPermisosAlRegistroDeWindows();
    }
    void CreaElAccesoDirecto() override { accesosDirectos_.CreaElAccesoDirecto(); }

private:
    SecurityFolder herramienta_;
    PasoCarpetasDeAplicaciones carpetas_;
    PasoPermisos permisos_;
    PasoLibreriasYFuentes libreriasYFuentes_;
    PasoImpresora impresora_;
    PasoAlmacenVirtual almacenVirtual_;
    PasoRegistro registro_;
    PasoAccesosDirectos accesosDirectos_;
};

}  // namespace mirvalo
