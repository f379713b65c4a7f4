#pragma once
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

// The computer's print spooler as the printer administration objects show it: the collections of
// printers and of ports in their order, the installed drivers and print processors, and the
// default printer. The POSIX emulation keeps them in the system root's "printers.txt"; a computer
// that never had it starts with the printers and drivers of a fresh Windows.
//
// Like the spooler, names are unique without regard to letter case, a printer needs an existing
// port, an installed driver and print processor, and a port in use cannot be deleted. Failures
// raise Error with the spooler's HRESULT as the number and its message as the description.
namespace mirvalo::impresoras {

struct Impresora {
    std::string nombre;
    std::string puerto;
    std::string controlador;
    std::string comentario;
    std::string procesador;
};

inline constexpr int32_t PuertoLocal = 3;  // a local port: its name is a device or a file path

struct Puerto {
    std::string nombre;
    int32_t tipo = PuertoLocal;
};

std::vector<Impresora> Impresoras();
std::vector<Puerto> Puertos();
std::vector<std::string> Controladores();
std::vector<std::string> Procesadores();

void AgregaImpresora(const Impresora& impresora);
// Deletes the printer of that name; the default printer is then unset if it was this one.
void EliminaImpresora(std::string_view nombre);
void AgregaPuerto(const Puerto& puerto);
void EliminaPuerto(std::string_view nombre);

// The default printer's name; empty when there is none.
std::string Predeterminada();
void EstablecePredeterminada(std::string_view nombre);

// Error numbers: HRESULTs of the spooler's Win32 errors, as the administration objects raise them.
namespace fallos {
inline constexpr int32_t DesdeWin32(uint32_t codigo) {
    return static_cast<int32_t>(0x80070000u | codigo);
}
inline constexpr int32_t ParametroIncorrecto = DesdeWin32(87);          // ERROR_INVALID_PARAMETER
inline constexpr int32_t RecursoEnUso = DesdeWin32(170);                // ERROR_BUSY
inline constexpr int32_t YaExiste = DesdeWin32(183);                    // ERROR_ALREADY_EXISTS
inline constexpr int32_t PuertoDesconocido = DesdeWin32(1796);          // ERROR_UNKNOWN_PORT
inline constexpr int32_t ControladorDesconocido = DesdeWin32(1797);     // ERROR_UNKNOWN_PRINTER_DRIVER
inline constexpr int32_t ProcesadorDesconocido = DesdeWin32(1798);      // ERROR_UNKNOWN_PRINTPROCESSOR
inline constexpr int32_t NombreDeImpresoraNoValido = DesdeWin32(1801);  // ERROR_INVALID_PRINTER_NAME
inline constexpr int32_t ImpresoraYaExiste = DesdeWin32(1802);          // ERROR_PRINTER_ALREADY_EXISTS
}  // namespace fallos

}  // namespace mirvalo::impresoras
