#pragma once
#include <string>
#include <vector>

#include "ui/Formularios.h"

namespace mirvalo {

// The screen every run that cannot go on ends on. It shows the message of the error kind stored
// in the configuration, for some kinds a link to a help page of the public site, and one button:
// "Cerrar" ends the program (kind 5); "Contáctanos" opens the site's contact page with the run's
// tracking number, which is asked of the server 100 ms after load and never displayed.
//
// The site's base address is direcciones::SitioPublico() (MIRVALO_SITE_URL, else the build's):
// an address that carries its own scheme, such as "http://127.0.0.1:8080/sitio" for the
// development server, is used as given; a bare host gets "https://".
class frm_Error : public Pantalla {
public:
    frm_Error();

private:
    void Form_Load() override;
    void tmrNumeroDeSeguimiento_Timer();
    void btnSiguiente_Click();
    void lblLink_Click();
    void Form_MouseMove();

    void CreaElBoton();
    void MuestraLosTextos();

    Etiqueta& lblTitulo;
    Etiqueta& lblMensaje;
    Etiqueta& lblLink;
    CajaDeImagen& picBotonSiguiente;
    Temporizador& tmrNumeroDeSeguimiento;

    std::string link_;
    std::string numeroDeSeguimiento_;
    Ctrl_Button btnSiguiente;
    std::vector<Ctrl_Button*> botones_;
};

}  // namespace mirvalo
