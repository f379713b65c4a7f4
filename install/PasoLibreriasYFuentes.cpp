#include "install/PasoLibreriasYFuentes.h"

#include <exception>
#include <string>
#include <string_view>

#include "core/DM_Core.h"
#include "install/ArchivosDeInstalacion.h"
#include "install/EX_InstallFont.h"
#include "install/ReportesDeInstalacion.h"
#include "platform/Eventos.h"
#include "platform/Procesos.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

namespace mirvalo {
namespace {

constexpr std::string_view Extensiones = ".DLL|.OCX|.TTF";

// "." and the extension, trimmed and in upper case: ".DLL" for a.dll, "." for a name without one.
std::string TextoDeExtension(const instalacion::ArchivoDeLaCarpeta& archivo) {
    return texto::Recorta(texto::Mayusculas("." + archivo.extension));
}

// Anything whose extension text is no part of the list; ".", ".DL" and the like are ignored.
bool EsDeApoyo(const std::string& extension) {
    return Extensiones.find(extension) == std::string_view::npos;
}
bool EsBiblioteca(const std::string& extension) {
    return extension == ".DLL" || extension == ".OCX";
}
bool EsFuente(const std::string& extension) {
    return extension == ".TTF";
}

}  // namespace

void PasoLibreriasYFuentes::InstalarLibreriasYFuentes() {
    try {
        const std::string dlls = core_.Descarga.CarpetaInstalacion() + "\\Utilerías\\Dlls";
        if (!instalacion::ExisteLaCarpeta(dlls)) {
            core_.Descarga.GuardarDetalle(603, false, "No se encontró la carpeta Dlls dentro de Utilerías.");
            return;
        }
        const std::string sistema32 = sistema::Entorno("windir") + "\\System32\\";

        // Support files first, so that a library finds them when it is registered.
        for (const instalacion::ArchivoDeLaCarpeta& archivo : instalacion::ArchivosDe(dlls)) {
            DejaCorrerEventos();
            const std::string destino = sistema32 + archivo.nombre;
            if (EsDeApoyo(TextoDeExtension(archivo)) && !instalacion::ExisteElArchivo(destino))
                instalacion::CopiaSinSobrescribir(archivo.ruta, destino);
        }

        for (const instalacion::ArchivoDeLaCarpeta& archivo : instalacion::ArchivosDe(dlls)) {
            DejaCorrerEventos();
            const std::string extension = TextoDeExtension(archivo);
            if (EsBiblioteca(extension)) {
                const std::string destino = sistema32 + archivo.nombre;
                if (instalacion::ExisteElArchivo(destino)) continue;
                instalacion::CopiaSinSobrescribir(archivo.ruta, destino);
                // A Windows command line, split as Windows splits it; no shell sees it.
                procesos::Inicia("regsvr32 /s " + destino, procesos::Ventana::Oculta);
            } else if (EsFuente(extension)) {
                EX_InstallFont fuente;
                if (instalacion::ExisteElArchivo(fuente.DirectorioFuentesSistema() + "\\" + archivo.nombre))
                    continue;
                fuente.PathTTF(dlls);
                fuente.archivoTTF(archivo.nombre);
                fuente.Instalar();
            }
        }
        core_.Descarga.GuardarDetalle(603, true, "");
    } catch (const std::exception& fallo) {
        instalacion::RegistraElPasoFallido(
            core_, 603, "No se pudieron instalar las librerías y fuentes necesarias de Mirvalo.",
            "InstalarLibreriasYFuentes", fallo);
    }
}

}  // namespace mirvalo
