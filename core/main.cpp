#include <cstdio>

int main() {
    std::puts("mirvalo-asistente: the wizard's windows are not built yet.");
    return 0;
}
