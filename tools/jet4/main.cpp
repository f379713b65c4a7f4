// mirvalo-jet4-writer OUTPUT PASSWORD DESCRIPTION
// Writes a Jet 4 database file from a text description of its tables (see DescripcionJet4.h):
// the build uses it to make the sample product's catalogue database.
#include <cstdio>
#include <exception>
#include <fstream>
#include <sstream>

#include "platform/Error.h"
#include "tools/jet4/DescripcionJet4.h"
#include "tools/jet4/EscritorJet4.h"

int main(int argc, char** argv) {
    if (argc != 4) {
        std::fprintf(stderr, "uso: %s SALIDA CONTRASEÑA DESCRIPCIÓN\n", argv[0]);
        return 2;
    }
    try {
        std::ifstream entrada(argv[3], std::ios::binary);
        if (!entrada) {
            std::fprintf(stderr, "%s: no se puede leer %s\n", argv[0], argv[3]);
            return 1;
        }
        std::ostringstream descripcion;
        descripcion << entrada.rdbuf();
        mirvalo::jet4::ArchivoJet4 archivo;
        archivo.contrasena = argv[2];
        archivo.tablas = mirvalo::jet4::LeeLaDescripcion(descripcion.str());
        mirvalo::jet4::EscribeElArchivo(argv[1], archivo);
    } catch (const mirvalo::Error& e) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], e.Llamada().c_str(), e.Descripcion().c_str());
        return 1;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "%s: %s: %s\n", argv[0], argv[3], e.what());
        return 1;
    }
    return 0;
}
