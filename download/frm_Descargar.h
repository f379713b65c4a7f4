#pragma once
#include <cstdint>
#include <exception>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

#include "download/EX_Download.h"
#include "model/El_Archivo.h"
#include "ui/Formularios.h"

namespace mirvalo {

// The screen that turns the download set into files on this computer. 100 ms after load it asks
// the Web API for the file plan, makes the installer folder on the desktop and the installation
// folder under the program files as the mode needs them, and makes up to three passes over the
// plan, each producing every copy still missing: fetched over HTTP, or in mode 3 copied from the
// installer folder into the installation folder. Then it hands over by mode to the installation or
// the final screen, or, with copies still missing, ends on the error screen with kind 8.
//
// "Cancelar" ends the process after deleting the transfers' temporary files from both folders;
// during a transfer it only raises a flag, which the transfer turns into its cancellation, so the
// process never ends with a transfer half done.
class frm_Descargar : public Pantalla {
public:
    frm_Descargar();

private:
    void Form_Load() override;
    void Form_MouseMove();
    void tmrInicio_Timer();

    // The run.
    void CreaLaCarpetasNecesarias();
    void DescargaLosArchivos();
    bool HayArchivosPorDescargar(const std::vector<El_Archivo>& archivos);
    bool ValidaQueSeHayanDescargadoLosArchivos();
    bool ProduceLaCopiaDelInstalador(El_Archivo& archivo);
    bool ProduceLaCopiaDeLaInstalacion(El_Archivo& archivo, int32_t modo);
    void MuestraElArchivo(std::string_view rutaRelativa);
    void MuestraElProgresoGeneral(int32_t enSuLugar, std::size_t total);
    // Reports step 503 as failed, stores error kind 8 and hands over to the error screen.
    void TerminaConErrorDeDescarga(std::string_view descripcion);

    // One copy of one file.
    void CreaLaCarpeta(std::string_view carpeta, std::string_view rutaRelativa);
    bool ExisteElArchivoADescargar(std::string_view ruta, int32_t peso);
    bool DescargaElArchivo(std::string_view direccion, std::string_view destino);
    bool CopiaElArchivo(std::string_view origen, std::string_view destino);
    void Down_Progreso(int64_t Longitud, int64_t Recibido, double Avance, int32_t Transcurrido,
                       double Faltante, int64_t& Velocidad, bool& Detener);

    // Cancelling.
    void btnCancelar_Click();
    void EliminaArchivosTemporales(std::string_view carpeta);
    bool TieneAvastEjecutandose();

    // Reports a failure of one of this screen's procedures.
    void RegistraElFallo(std::string_view procedimiento, const std::exception& fallo);

    Etiqueta& lblTitulo;
    Etiqueta& lblProgresoIndividual;
    CajaDeImagen& picProgresoIndividual;
    Etiqueta& lblProgresoGeneral;
    CajaDeImagen& picProgresoGeneral;
    CajaDeImagen& picBotonCancelar;
    Temporizador& tmrInicio;

    // Once true it stays true until the process ends.
    bool CanceladoPorElUsuario = false;
    // The transfer in progress; none between transfers.
    std::unique_ptr<EX_Download> Down;
    Ctrl_Button btnCancelar;
    std::vector<Ctrl_Button*> botones_;
};

}  // namespace mirvalo
