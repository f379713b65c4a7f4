#pragma once
#include <functional>
#include <string>

namespace mirvalo::detalle {

// The answerer of PreguntaSiNo while a test replaces the question box.
std::function<bool(const std::string&, const std::string&)>& RespuestaSimulada();

}  // namespace mirvalo::detalle
