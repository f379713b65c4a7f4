#pragma once
#include <chrono>
#include <optional>

namespace mirvalo {

// Decides when a transfer lets pending window events run. A fast transfer reaches those points
// millions of times a second, and running the window system's queue that often would cap its
// speed; here the queue runs at most once per interval, which keeps a click on a cancel button
// heard well within a tenth of a second. The first point of a transfer always runs it, so a click
// made between two transfers is heard as the next one starts.
class DescargaRitmoDeEventos {
public:
    using Reloj = std::chrono::steady_clock;
    static constexpr std::chrono::milliseconds IntervaloPorDefecto{20};

    explicit DescargaRitmoDeEventos(std::chrono::milliseconds intervalo = IntervaloPorDefecto)
        : intervalo_(intervalo) {}

    // A point inside the block loop; `ahora` is the caller's last reading of the clock, as reading
    // it at every block would cost more than the rest of the block.
    void EnBloque(Reloj::time_point ahora) {
        if (ultima_ && ahora - *ultima_ < intervalo_) return;
        Corre();
    }

    // A point between two waits on the network.
    void EnEspera() { EnBloque(Reloj::now()); }

private:
    void Corre();

    std::chrono::milliseconds intervalo_;
    std::optional<Reloj::time_point> ultima_;
};

}  // namespace mirvalo
