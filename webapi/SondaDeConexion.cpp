#include "webapi/SondaDeConexion.h"

namespace mirvalo {

bool ElServidorResponde(const std::string& direccion, TiemposDeEspera tiempos) {
    try {
        // HEAD: the answer's headers prove the server is there; its page is not wanted.
        SolicitudHttp sonda("HEAD", direccion, tiempos);
        sonda.Envia({});
        return true;
    } catch (...) {
        return false;
    }
}

}  // namespace mirvalo
