#pragma once
#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/El_Aplicacion.h"
#include "model/El_Archivo.h"

namespace mirvalo {

class DM_WebAPI_V1;
class El_Fallo;

// The download set: the run's one record of what is fetched and where it goes (download id,
// platform, mode, file plan, target folders). It also sends the run's step reports and obtains its
// tracking number.
class El_Descarga {
public:
    // `fallos` is the run's failure log, for the failures the set's own lookups catch.
    explicit El_Descarga(El_Fallo& fallos);
    ~El_Descarga();
    El_Descarga(const El_Descarga&) = delete;
    El_Descarga& operator=(const El_Descarga&) = delete;

    // The run's download id, from the configuration; sent with every step report and file request.
    int32_t IdDescarga() const { return idDescarga_; }
    void EstableceIdDescarga(int32_t id) { idDescarga_ = id; }
    // 1 local, 2 cloud.
    int32_t Plataforma() const { return plataforma_; }
    void EstablecePlataforma(int32_t plataforma) { plataforma_ = plataforma; }
    // 1 install on this computer only, 2 download only, 3 download and install.
    int32_t Asistente() const { return asistente_; }
    void EstableceAsistente(int32_t asistente) { asistente_ = asistente; }

    // The file plan itself, not a copy: the download run marks its records in place.
    std::vector<El_Archivo>& Archivos() { return archivos_; }
    const std::vector<El_Archivo>& Archivos() const { return archivos_; }

    // Full paths without a trailing backslash; empty until the download run sets them.
    const std::string& CarpetaInstalador() const { return carpetaInstalador_; }
    void EstableceCarpetaInstalador(std::string carpeta) { carpetaInstalador_ = std::move(carpeta); }
    const std::string& CarpetaInstalacion() const { return carpetaInstalacion_; }
    void EstableceCarpetaInstalacion(std::string carpeta) { carpetaInstalacion_ = std::move(carpeta); }

    // Reports a step of the run under this set's download id: 1 when done, 0 when failed, and the
    // description cut to its first 1000 characters (UTF-16 units). Never raises; a report that
    // cannot be sent is lost.
    void GuardarDetalle(int32_t Paso, bool Status, std::string_view Descripcion) noexcept;

    // The run's tracking number: asked once of the server and then kept; "CONN" when the server
    // answered without one. Empty text when the request failed (the next call asks again).
    std::string ObtenerNumeroDeSeguimiento() noexcept;

    // Adds a chosen application (its id and its level's id, as the catalogue holds them) to the
    // applications whose files are asked for. Kept in call order; duplicates stay.
    void AgregarAplicacionALaDescarga(int16_t IdAplicacion, std::string IdNivel) noexcept;

    // Asks the server for the file plan of the chosen applications and replaces Archivos with it,
    // every record's flags false. Download and install is asked as download only: the server plans
    // the installer folder and the run copies from there. False when the server gave no plan or
    // anything failed (nothing is reported; records read before a failure stay). Window events run
    // once per record read.
    bool ObtenerArchivosADescargar() noexcept;

    // CarpetaInstalacion, "\" and the installation path of the first record of the plan whose
    // installation path contains `nombreDeArchivo` (blanks at the ends and case ignored); empty
    // text when none does. A failure is logged and gives empty text.
    std::string ObtenerLaRutaDeInstalacionDelArchivo(std::string_view nombreDeArchivo) noexcept;

    // The number of records of the plan.
    int32_t TotalArchivos() const;
    // The sum of the records' sizes; raises error 6 "Overflow" beyond the 32-bit range.
    int32_t TotalPeso() const;
    // TotalPeso as a short text: divided by 1024 and rounded (ties to even) while it is above 1024,
    // up to GB, then followed by its unit ("1024 bytes", "2 KB", "1024 MB").
    std::string TotalPesoTexto() const;

private:
    El_Fallo& fallos_;
    int32_t idDescarga_ = 0;
    int32_t plataforma_ = 0;
    int32_t asistente_ = 0;
    std::vector<El_Archivo> archivos_;
    std::vector<El_Aplicacion> aplicacionesElegidas_;  // only IdAplicacion and IdNivel filled
    std::string carpetaInstalador_;
    std::string carpetaInstalacion_;
    std::string numeroDeSeguimiento_;
    std::unique_ptr<DM_WebAPI_V1> cliente_;  // the latest request's client
};

}  // namespace mirvalo
