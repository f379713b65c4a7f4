#pragma once
#include <string_view>
#include <vector>

#include "ui/Formularios.h"

namespace mirvalo {

// The first screen of a run that works with a school's ID: it asks for the 10-character Mirvalo
// ID, checks its form, has the Web API validate it through the institution, and reports every
// check as a step. A rejected or malformed ID leaves the user on the screen with a message in
// lblError; a transport failure is reported and leaves no message. An accepted school's platform
// goes into the download set and the mode selection follows; a school of the local platform can
// only download, so it gets that mode and goes straight on to the application selection.
class frm_SolicitarIdMirvalo : public Pantalla {
public:
    frm_SolicitarIdMirvalo();

private:
    void Form_Load() override;
    void ConfigurarFormulario();
    void Form_MouseMove();
    void txtIdMirvalo_Change();
    void txtIdMirvalo_KeyPress(int& KeyAscii);
    void btnSiguiente_Click();

    void MuestraElError(std::string_view mensaje);

    Etiqueta& lblTitulo;
    Etiqueta& lblMensaje;
    Etiqueta& Label1;
    CajaDeTexto& txtIdMirvalo;
    CajaDeImagen& picBotonSiguiente;
    Etiqueta& lblError;

    Ctrl_Button btnSiguiente;
    std::vector<Ctrl_Button*> botones_;
    // True while a click runs: the validation lets window events run, and a second click or Enter
    // heard meanwhile must not validate again and hand over twice.
    bool validando_ = false;
};

}  // namespace mirvalo
