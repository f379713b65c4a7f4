#include "platform/Error.h"

#include <cerrno>
#include <utility>

namespace mirvalo {

Error::Error(int32_t numero, std::string descripcion, std::string llamada)
    : std::runtime_error(descripcion), numero_(numero), descripcion_(std::move(descripcion)),
      llamada_(std::move(llamada)) {}

Error Error::Estandar(int32_t numero, std::string llamada) {
    return Error(numero, DescripcionEstandar(numero), std::move(llamada));
}

Error Error::DesdeErrno(int errnoValor, std::string llamada) {
    int32_t numero;
    switch (errnoValor) {
    case ENOENT: numero = errores::ArchivoNoEncontrado; break;
    case ENOTDIR: numero = errores::RutaNoEncontrada; break;
    case EACCES:
    case EPERM:
    case EROFS:
    case EBUSY:
    case ETXTBSY: numero = errores::PermisoDenegado; break;
    case EEXIST: numero = errores::ArchivoYaExiste; break;
    case ENOSPC:
    case EDQUOT: numero = errores::DiscoLleno; break;
    case ENOMEM: numero = errores::SinMemoria; break;
    case ENAMETOOLONG:
    case EINVAL: numero = errores::NombreDeArchivoIncorrecto; break;
    case EIO: numero = errores::ErrorDeEntradaSalida; break;
    default: numero = errores::ErrorDeAccesoARuta; break;
    }
    return Error::Estandar(numero, std::move(llamada));
}

std::string DescripcionEstandar(int32_t numero) {
    switch (numero) {
    case 3: return "Return without GoSub";
    case 5: return "Invalid procedure call or argument";
    case 6: return "Overflow";
    case 7: return "Out of memory";
    case 9: return "Subscript out of range";
    case 11: return "Division by zero";
    case 13: return "Type mismatch";
    case 52: return "Bad file name or number";
    case 53: return "File not found";
    case 54: return "Bad file mode";
    case 55: return "File already open";
    case 57: return "Device I/O error";
    case 58: return "File already exists";
    case 61: return "Disk full";
    case 62: return "Input past end of file";
    case 67: return "Too many files";
    case 68: return "Device unavailable";
    case 70: return "Permission denied";
    case 71: return "Disk not ready";
    case 75: return "Path/File access error";
    case 76: return "Path not found";
    case 91: return "Object variable or With block variable not set";
    case 424: return "Object required";
    case 429: return "ActiveX component can't create object";
    default: return "Application-defined or object-defined error";
    }
}

}  // namespace mirvalo
