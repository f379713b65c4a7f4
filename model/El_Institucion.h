#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "model/El_Aplicacion.h"

namespace mirvalo {

// The school the run is made for: its Mirvalo ID, its platform and its catalogue of applications.
class El_Institucion {
public:
    const std::string& IDMirvalo() const { return idMirvalo_; }
    void EstableceIDMirvalo(std::string id) { idMirvalo_ = std::move(id); }

    // The school's platform (1 local, 2 cloud); 0 until a validation succeeds.
    int32_t Plataforma() const { return plataforma_; }

    // Asks the Web API whether the ID is valid. True when it answered with the school's record:
    // the platform is then taken and the answer's applications are appended to the catalogue
    // (validating twice appends them twice). False, with nothing changed, for an empty ID (nothing
    // is sent) or when the server gave no record. Transport failures and items that cannot be
    // read raise mirvalo::Error to the caller; the applications read before stay.
    //
    // Window events run once per application read, and a handler may validate again meanwhile:
    // both calls then append to the catalogue, each walking only its own answer.
    bool ValidarInstitucion();

    // The catalogue itself, in the order of the server's answer.
    std::vector<El_Aplicacion>& ObtenerAplicaciones() { return aplicaciones_; }
    const std::vector<El_Aplicacion>& ObtenerAplicaciones() const { return aplicaciones_; }

    // The lists of the selection screen: a new list on every call, each text once (the first
    // written form of texts equal in upper case), sorted ordinally.
    // The suites.
    std::vector<std::string> ObtenerSuites() const;
    // The list texts of the bought applications.
    std::vector<std::string> ObtenerAplicacionesCompradas() const;
    // The list texts of every application.
    std::vector<std::string> ObtenerTodasLasAplicaciones() const;
    // The list texts of the applications of `suite`, matched without blanks at the ends and
    // without case.
    std::vector<std::string> ObtenerAplicacionesPorSuite(std::string_view suite) const;

private:
    std::string idMirvalo_;
    int32_t plataforma_ = 0;
    std::vector<El_Aplicacion> aplicaciones_;
};

}  // namespace mirvalo
