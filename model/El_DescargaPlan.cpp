// The download set's file plan: the chosen applications, the plan the server gives for them, the
// installed-file lookup and the totals.
#include "model/El_Descarga.h"

#include <cmath>
#include <limits>
#include <new>
#include <optional>
#include <utility>

#include "model/El_Fallo.h"
#include "platform/Error.h"
#include "platform/Eventos.h"
#include "platform/Texto.h"
#include "webapi/DM_WebAPI_V1.h"
#include "webapi/LectorDeClaves.h"

namespace mirvalo {
namespace {

constexpr int32_t DescargaEInstalacion = 3;
constexpr int32_t SoloDescarga = 2;

int16_t A16Bits(int32_t valor, const char* nombre) {
    if (valor < std::numeric_limits<int16_t>::min() || valor > std::numeric_limits<int16_t>::max())
        throw Error::Estandar(errores::Desbordamiento, nombre);
    return static_cast<int16_t>(valor);
}

El_Archivo LeeArchivo(const ValorJson& item) {
    const LectorDeClaves claves(item);
    El_Archivo archivo;
    archivo.RutaServidor = claves.Texto("RutaServidor");
    archivo.RutaInstalador = claves.Texto("RutaInstalador");
    archivo.RutaInstalacion = claves.Texto("RutaInstalacion");
    archivo.Peso = claves.Entero32("Peso");
    return archivo;
}

Error ComoError(const std::exception& fallo) {
    if (const auto* error = dynamic_cast<const Error*>(&fallo)) return *error;
    if (dynamic_cast<const std::bad_alloc*>(&fallo)) return Error::Estandar(errores::SinMemoria);
    return Error(errores::LlamadaNoValida, fallo.what());
}

// To the nearest integer, ties to the even one, whatever the floating-point rounding mode.
double RedondeaAlPar(double valor) {
    const double abajo = std::floor(valor);
    const double resto = valor - abajo;
    if (resto > 0.5 || (resto == 0.5 && std::fmod(abajo, 2.0) != 0.0)) return abajo + 1.0;
    return abajo;
}

}  // namespace

void El_Descarga::AgregarAplicacionALaDescarga(int16_t IdAplicacion, std::string IdNivel) noexcept {
    try {
        El_Aplicacion aplicacion;
        aplicacion.IdAplicacion = IdAplicacion;
        aplicacion.IdNivel = std::move(IdNivel);
        aplicacionesElegidas_.push_back(std::move(aplicacion));
    } catch (...) {
        // Swallowed: the list keeps what it had.
    }
}

bool El_Descarga::ObtenerArchivosADescargar() noexcept {
    try {
        archivos_ = {};

        Dto_ArchivosRq rq;
        rq.IdDescargas = idDescarga_;
        rq.IdTipoPlataforma = A16Bits(plataforma_, "IdTipoPlataforma");
        // The server plans download-and-install as a download: the installation copies are made
        // from the installer folder's.
        rq.IdTipoAsistente =
            A16Bits(asistente_ == DescargaEInstalacion ? SoloDescarga : asistente_, "IdTipoAsistente");
        rq.Aplicaciones.reserve(aplicacionesElegidas_.size());
        for (const El_Aplicacion& elegida : aplicacionesElegidas_)
            rq.Aplicaciones.push_back({elegida.IdAplicacion, elegida.IdNivel});

        cliente_ = std::make_unique<DM_WebAPI_V1>();
        // A list of this call's own: the loop walks it and only appends to the plan, so a screen
        // that reads Archivos, or a report that replaces the client, while events run breaks nothing.
        const std::optional<ListaJson> items = cliente_->ObtenerArchivos(rq);
        if (!items) return false;
        for (const ValorJson& item : *items) {
            DejaCorrerEventos();
            archivos_.push_back(LeeArchivo(item));
        }
        return true;
    } catch (...) {
        return false;
    }
}

std::string El_Descarga::ObtenerLaRutaDeInstalacionDelArchivo(std::string_view nombreDeArchivo) noexcept {
    try {
        const std::string buscado = texto::Recorta(nombreDeArchivo);
        for (const El_Archivo& archivo : archivos_) {
            const std::string ruta = texto::Recorta(archivo.RutaInstalacion);
            // A record without an installation path is not installed: it matches nothing, not
            // even an empty name.
            if (!ruta.empty() && texto::ContieneSinMayusculas(ruta, buscado))
                return carpetaInstalacion_ + "\\" + archivo.RutaInstalacion;
        }
        return {};
    } catch (const std::exception& fallo) {
        try {
            const Error error = ComoError(fallo);
            fallos_.RegistrarFallo("El_Descarga", "ObtenerLaRutaDeInstalacionDelArchivo", error.Numero(),
                                   error.Descripcion());
        } catch (...) {
        }
        return {};
    } catch (...) {
        return {};
    }
}

int32_t El_Descarga::TotalArchivos() const {
    if (archivos_.size() > static_cast<std::size_t>(std::numeric_limits<int32_t>::max()))
        throw Error::Estandar(errores::Desbordamiento, "TotalArchivos");
    return static_cast<int32_t>(archivos_.size());
}

int32_t El_Descarga::TotalPeso() const {
    int64_t total = 0;
    for (const El_Archivo& archivo : archivos_) {
        total += archivo.Peso;
        // Checked at every step, as a 32-bit running sum would fail there.
        if (total < std::numeric_limits<int32_t>::min() || total > std::numeric_limits<int32_t>::max())
            throw Error::Estandar(errores::Desbordamiento, "TotalPeso");
    }
    return static_cast<int32_t>(total);
}

std::string El_Descarga::TotalPesoTexto() const {
    static constexpr const char* Unidades[] = {" bytes", " KB", " MB", " GB"};
    constexpr double Umbral = 1024.0;
    double valor = TotalPeso();
    int unidad = 0;
    for (int paso = 0; paso < 4; ++paso) {
        unidad = paso;
        // Inclusive: exactly 1024 stays in the current unit.
        if (valor <= Umbral) break;
        valor = RedondeaAlPar(valor / Umbral);
    }
    return std::to_string(static_cast<int64_t>(valor)) + Unidades[unidad];
}

}  // namespace mirvalo
