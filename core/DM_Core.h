#pragma once
#include <cstdint>

#include "core/El_Configuraciones.h"
#include "model/El_Descarga.h"
#include "model/El_Fallo.h"
#include "model/El_Institucion.h"

namespace mirvalo {

// The run's state, reached by every screen and entity through Core(): the configuration, the
// download set, the school and the failure log, all created with it.
class DM_Core {
public:
    DM_Core();
    DM_Core(const DM_Core&) = delete;
    DM_Core& operator=(const DM_Core&) = delete;

    // The failure log is built first because the download set keeps a reference to it.
    El_Fallo Fallos;
    El_Configuraciones Configuraciones;
    El_Descarga Descarga;
    El_Institucion Institucion;

    // Loads the configuration under this assistant's identifier and hands its download id to the
    // download set. Whether the load succeeded is read afterwards from CargoCorrectamente.
    void CargarConfiguraciones(int16_t IdAsistente);
};

// The process's one core object. The start-up window creates it and it lives until the process
// ends; tests create a fresh one for each case.
DM_Core& CreaElCore();  // a core that already exists is replaced
bool ExisteElCore();
// Raises error 91 ("Object variable or With block variable not set") when no core exists.
DM_Core& Core();
void DescartaElCore();

}  // namespace mirvalo
