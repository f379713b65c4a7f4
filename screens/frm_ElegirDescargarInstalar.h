#pragma once
#include <cstdint>
#include <vector>

#include "ui/Formularios.h"

namespace mirvalo {

// Asks what to do with the installation files and stores the answer as the download set's mode:
// download only (2), install on this computer only (1), or download and then install (3). The two
// modes that install need the .NET Framework 2.0: when it is missing the user is offered to switch
// it on, and without it the run ends on the error screen (kind 2). Otherwise the application
// selection follows. There is no way back from here.
class frm_ElegirDescargarInstalar : public Pantalla {
public:
    frm_ElegirDescargarInstalar();

private:
    void Form_Load() override;
    void ConfigurarFormulario();
    void Form_MouseMove();
    void btnDescargar_Click();
    void btnInstalar_Click();
    void btnDescargarEInstalar_Click();
    void SeleccionarAplicaciones();

    // What the three buttons share: report the button's step, store the mode and, for the modes
    // that install, check the framework.
    void EligeElModo(int32_t paso, int32_t modo, const char* procedimiento);
    // Reports the framework step as failed, stores error kind 2 and shows the error screen.
    void DetieneSinNetFramework();

    Etiqueta& lblTitulo;
    CajaDeImagen& picBotonDescargar;
    Etiqueta& Label1;
    CajaDeImagen& picBotonDescargarEInstalar;
    Etiqueta& Label3;
    CajaDeImagen& picBotonInstalar;
    Etiqueta& Label2;

    Ctrl_Button btnDescargar;
    Ctrl_Button btnInstalar;
    Ctrl_Button btnDescargarEInstalar;
    std::vector<Ctrl_Button*> botones_;
};

}  // namespace mirvalo
