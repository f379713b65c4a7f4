#include "download/DescargaCuerpo.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace mirvalo {

DescargaCuerpo::DescargaCuerpo(int64_t longitud, int32_t bytesPorBloque, DescargaArchivoTemporal* archivo,
                               std::string& memoria, const EventoProgreso& progreso,
                               DescargaRitmoDeEventos& ritmo)
    : longitud_(longitud),
      bytesPorBloque_(bytesPorBloque),
      archivo_(archivo),
      memoria_(memoria),
      progreso_(progreso),
      ritmo_(ritmo) {}

bool DescargaCuerpo::Recibe(const char* datos, std::size_t cantidad) {
    LeeElReloj();
    auto bytes = static_cast<int64_t>(cantidad);
    if (longitud_ >= 0) bytes = std::min(bytes, longitud_ - aceptados_);
    if (bytes > 0) {
        const auto n = static_cast<std::size_t>(bytes);
        if (archivo_ != nullptr) {
            if (!archivo_->Escribe(datos, n)) {
                falloElArchivo_ = true;
                return false;
            }
        } else if (longitud_ >= 0) {
            std::memcpy(memoria_.data() + aceptados_, datos, n);
        } else {
            memoria_.append(datos, n);
        }
        aceptados_ += bytes;
    }
    while (aceptados_ - recibido_ >= bytesPorBloque_) {
        AnunciaProgreso(bytesPorBloque_);
        if (cancelado_) return false;
    }
    if (longitud_ >= 0 && aceptados_ == longitud_) {
        // A server that sends more than it declared, or keeps the connection open, is not waited for.
        Termina();
        return false;
    }
    return true;
}

void DescargaCuerpo::Termina() {
    if (terminado_) return;
    terminado_ = true;
    if (cancelado_ || aceptados_ == recibido_) return;
    LeeElReloj();
    AnunciaProgreso(aceptados_ - recibido_);
}

void DescargaCuerpo::LeeElReloj() {
    ahora_ = DescargaRitmoDeEventos::Reloj::now();
    bloquesSinLeerElReloj_ = 0;
}

void DescargaCuerpo::AnunciaProgreso(int64_t bytes) {
    if (++bloquesSinLeerElReloj_ == BloquesPorLectura) LeeElReloj();
    ritmo_.EnBloque(ahora_);
    recibido_ += bytes;
    const auto transcurridoMs =
        std::chrono::duration_cast<std::chrono::milliseconds>(ahora_ - inicio_).count();
    const double segundos = static_cast<double>(transcurridoMs) / 1000.0;
    if (transcurridoMs > 0) velocidad_ = static_cast<double>(recibido_) / segundos;
    double avance = 0;
    if (longitud_ >= 0) {
        avance = static_cast<double>(recibido_) * 100.0 / static_cast<double>(longitud_);
        if (velocidad_ != 0) faltante_ = static_cast<double>(longitud_) / velocidad_ - segundos;
    } else {
        faltante_ = 0;
    }
    if (faltante_ < 0) faltante_ = 0;

    // std::nearbyint rounds half to even, as every rounding of these figures does.
    auto velocidad = static_cast<int64_t>(std::nearbyint(velocidad_));
    bool detener = false;
    if (progreso_)
        progreso_(longitud_, recibido_, avance, static_cast<int32_t>(std::nearbyint(segundos)),
                  std::nearbyint(faltante_), velocidad, detener);
    cancelado_ = detener;
    ritmo_.EnBloque(ahora_);
}

}  // namespace mirvalo
