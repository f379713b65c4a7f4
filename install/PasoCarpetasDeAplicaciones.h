#pragma once
#include <string>
#include <vector>

namespace mirvalo {

class DM_Core;

// First installation step (601): the product's folder tree inside the installation folder, the
// fixed folders and, for every application of the product's own catalogue database, a folder of
// its name and one of the same name inside "\Visor".
class PasoCarpetasDeAplicaciones {
public:
    explicit PasoCarpetasDeAplicaciones(DM_Core& core) : core_(core) {}

    // The step; reports 601 itself. A folder that cannot be made is logged by itself and does
    // not fail the step.
    void CreaLasCarpetasDeLasAplicaciones();

    // The nomenclatures of the catalogue's applications (all but the viewer, 98), in query order;
    // an empty list when the database is not part of the download set or cannot be read.
    std::vector<std::string> ObtenerLasNomenclaturasDeLasAplicacionesDeLaBaseDeDatos();

    // Creates the folder unless it exists, then gives it normal attributes. A path that would leave
    // the installation folder is refused. Failures are logged, never passed on.
    void CreaLaCarpetaConSusAtributos(const std::string& ruta);

private:
    DM_Core& core_;
};

}  // namespace mirvalo
