#include <cstdio>
int main() { std::puts("mirvalo-sandbox-server: not built yet"); return 1; }
