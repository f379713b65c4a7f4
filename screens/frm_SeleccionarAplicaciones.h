#pragma once
#include <string>
#include <vector>

#include "ui/Formularios.h"

namespace mirvalo {

// Lets the user choose the teaching material to download. An option list offers the school's
// bought applications, all of them, or those of one suite; the user moves applications from the
// available list into the list to download and back. Both lists show list texts ("Lectura
// Primaria"), and a text names an application exactly: equal texts are the same application.
// "Siguiente" puts every catalogue entry of the chosen texts into the download set and hands over
// to the download; choosing nothing is allowed. "Anterior" goes back to the mode selection, and
// nothing chosen here survives it.
class frm_SeleccionarAplicaciones : public Pantalla {
public:
    frm_SeleccionarAplicaciones();

private:
    void Form_Load() override;
    void CreaLosBotones();
    void Form_MouseMove();
    void CargaLasOpcionesDelcmbOpciones();
    void cmbOpciones_Click();
    void CargaLasAplicaciones();
    void btnAgregar_Click();
    void btnQuitar_Click();
    void btnAnterior_Click();
    void btnSiguiente_Click();

    // The catalogue query of the chosen option.
    std::vector<std::string> AplicacionesDeLaOpcion() const;

    Etiqueta& lblTitulo;
    Etiqueta& Label1;
    ListaDesplegable& cmbOpciones;
    ListaMultiple& lstAplicacionesDisponibles;
    ListaMultiple& lstAplicacionesADescargar;
    CajaDeImagen& picBotonAgregar;
    CajaDeImagen& picBotonQuitar;
    CajaDeImagen& picBotonAnterior;
    CajaDeImagen& picBotonSiguiente;

    Ctrl_Button btnAnterior;
    Ctrl_Button btnSiguiente;
    Ctrl_Button btnAgregar;
    Ctrl_Button btnQuitar;
    std::vector<Ctrl_Button*> botones_;
};

}  // namespace mirvalo
