#pragma once
#include <chrono>

namespace mirvalo::detalle {

// The pump behind DejaCorrerEventos. Long work calls it very often (twice per block of a
// transfer), so it runs pending events at most once every `IntervaloDeLaBomba` and costs a clock
// read otherwise: input and repaints still come through many times faster than a person notices.
inline constexpr std::chrono::milliseconds IntervaloDeLaBomba{10};
void BombeaEventos();

}  // namespace mirvalo::detalle
