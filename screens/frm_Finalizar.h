#pragma once
#include <vector>

#include "ui/Formularios.h"

namespace mirvalo {

// The last screen of a successful run. By the mode of the download set it offers to open the
// folder with the downloaded installers (download only), to start the product (install only), or
// both (download and install). Either button ends the program once it has done its work.
class frm_Finalizar : public Pantalla {
public:
    frm_Finalizar();

private:
    void Form_Load() override;
    void Form_MouseMove();
    void btnAbrirCarpetaInstalador_Click();
    void btnIniciarMirvalo_Click();

    void CreaLosBotones();
    void MuestraLosBotones();
    // Moves the button's container to the middle of the window and shows it.
    void MuestraCentrado(CajaDeImagen& contenedor);

    Etiqueta& lblTitulo;
    Etiqueta& lblMensaje;
    CajaDeImagen& picBotonAbrirCarpetaInstalador;
    CajaDeImagen& picBotonIniciarMirvalo;

    Ctrl_Button btnAbrirCarpetaInstalador;
    Ctrl_Button btnIniciarMirvalo;
    std::vector<Ctrl_Button*> botones_;
};

}  // namespace mirvalo
