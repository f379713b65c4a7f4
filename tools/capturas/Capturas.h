#pragma once
#include <functional>
#include <string>
#include <vector>

namespace mirvalo {
class Ventana;
}

namespace mirvalo::capturas {

// One picture: the PNG file's name (without ".png") and how to bring its window on screen. The
// core object exists, loaded from the development server, before `abre` runs; `abre` may set it
// up further (an error kind...) and returns the window to photograph. Every window still open
// afterwards is unloaded before the next picture.
struct Captura {
    std::string archivo;
    std::function<Ventana&()> abre;
};

// Every picture the tool takes, in order.
std::vector<Captura> Todas();

}  // namespace mirvalo::capturas
