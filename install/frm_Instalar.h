#pragma once
#include <exception>
#include <memory>
#include <string>
#include <string_view>

#include "install/PasosDeInstalacion.h"
#include "ui/Formularios.h"

namespace mirvalo {

// The screen that prepares this computer for the product once its files are in the installation
// folder. 100 ms after load it runs the seven installation steps in order, showing each one's name
// and a fixed overall percentage before it runs, then hands over to the final screen. Only the
// printer step can stop the run; it then ends on the error screen.
class frm_Instalar : public Pantalla {
public:
    // The product's steps, on the run's core object, each security tool call waiting 60 s.
    frm_Instalar();
    // These steps instead.
    explicit frm_Instalar(std::unique_ptr<PasosDeInstalacion> pasos);

private:
    void Form_Load() override;
    void tmrInicio_Timer();

    // Shows the step about to run: its text and the overall progress.
    void MuestraElPaso(std::string texto, int32_t porcentaje);
    // The printer step; when the printer could not be added, hands the run to the error screen.
    bool InstalarLaImpresoraMirvalo();
    // Reports a failure of one of this screen's procedures.
    void RegistraElFallo(std::string_view procedimiento, const std::exception& fallo);

    Etiqueta& lblTitulo;
    Etiqueta& lblProgresoGeneral;
    CajaDeImagen& picProgresoGeneral;
    Temporizador& tmrInicio;

    std::unique_ptr<PasosDeInstalacion> pasos_;
};

}  // namespace mirvalo
