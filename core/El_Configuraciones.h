#pragma once
#include <cstdint>
#include <memory>
#include <string>

namespace mirvalo {

class DM_WebAPI_V1;

// The run's configuration: what the Web API answered when the assistant announced itself. Loaded
// once per run; every field starts as zero, false or empty text.
class El_Configuraciones {
public:
    El_Configuraciones();
    ~El_Configuraciones();
    El_Configuraciones(const El_Configuraciones&) = delete;
    El_Configuraciones& operator=(const El_Configuraciones&) = delete;

    // This assistant build's identifier towards the server: the application's minor version.
    int16_t Id() const { return id_; }
    void EstableceId(int16_t id) { id_ = id; }
    // The assistant's display name: first part of every window caption.
    const std::string& Nombre() const { return nombre_; }
    bool Activo() const { return activo_; }
    // The lowest application revision the server accepts.
    int16_t Revision() const { return revision_; }
    // The download id the server gave this run; 0 when the load failed.
    int32_t IdDescarga() const { return idDescarga_; }
    void EstableceIdDescarga(int32_t id) { idDescarga_ = id; }
    const std::string& PlataformaNombre() const { return plataformaNombre_; }
    const std::string& PlataformaVersion() const { return plataformaVersion_; }
    int32_t Plataforma() const { return plataforma_; }
    // The kind of assistant: decides the route after the start-up checks.
    int32_t Asistente() const { return asistente_; }
    // True only when Cargar ran to its end.
    bool CargoCorrectamente() const { return cargoCorrectamente_; }
    // The error kind (0 to 8) a screen stores before it shows the error screen.
    int32_t Error() const { return error_; }
    void EstableceError(int32_t tipo) { error_ = tipo; }

    // Probes the Web API's server at its root address and, when it answers, announces the
    // assistant (IniciarDM) and copies the answer. Never raises: any failure ends the load with
    // CargoCorrectamente false, fields copied so far keeping their new values.
    void Cargar() noexcept;

private:
    int16_t id_ = 0;
    std::string nombre_;
    bool activo_ = false;
    int16_t revision_ = 0;
    int32_t idDescarga_ = 0;
    std::string plataformaNombre_;
    std::string plataformaVersion_;
    int32_t plataforma_ = 0;
    int32_t asistente_ = 0;
    bool cargoCorrectamente_ = false;
    int32_t error_ = 0;
    std::unique_ptr<DM_WebAPI_V1> cliente_;  // the client of the load, kept after the call
};

}  // namespace mirvalo
