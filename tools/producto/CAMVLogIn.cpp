// CAMVLogIn.exe: the sample product's launcher on the POSIX emulation. It only notes in the system
// root's journal that the product was started, with the arguments it got.
#include <string>

#include "platform/SistemaRaiz.h"

int main(int argc, char** argv) {
    std::string linea = "CAMVLogIn: started";
    for (int i = 1; i < argc; ++i) linea += std::string(" \"") + argv[i] + "\"";
    mirvalo::sistema::AnotaEnElDiario(linea);
    return 0;
}
