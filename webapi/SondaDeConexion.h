#pragma once
#include <string>

#include "webapi/SolicitudHttp.h"

namespace mirvalo {

// Whether a server can be reached at `direccion` (for the Web API, its root address "http://host/").
// Any HTTP answer counts, whatever its status: the question is only whether the server is there.
// A transport failure (name not resolved, connection refused, time-out) is false. Never raises.
bool ElServidorResponde(const std::string& direccion, TiemposDeEspera tiempos = {});

}  // namespace mirvalo
