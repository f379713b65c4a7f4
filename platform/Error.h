#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>
#include <string_view>

namespace mirvalo {

// The one error type of the system. It carries what the failure reports send: an error number
// and its description, numbered like the Windows runtime the reports were designed for
// (6 Overflow, 13 Type mismatch, 53 File not found, 70 Permission denied, 76 Path not found...).
// `llamada` names the system call or operation that failed; it is for logs, never sent.
class Error : public std::runtime_error {
public:
    Error(int32_t numero, std::string descripcion, std::string llamada = {});

    // An error with the runtime's standard description for `numero` ("Overflow" for 6...).
    static Error Estandar(int32_t numero, std::string llamada = {});
    // A failed POSIX call: errno mapped to the runtime's number and description.
    static Error DesdeErrno(int errnoValor, std::string llamada);

    int32_t Numero() const { return numero_; }
    const std::string& Descripcion() const { return descripcion_; }
    const std::string& Llamada() const { return llamada_; }

private:
    int32_t numero_;
    std::string descripcion_;
    std::string llamada_;
};

namespace errores {
inline constexpr int32_t LlamadaNoValida = 5;  // "Invalid procedure call or argument"
inline constexpr int32_t Desbordamiento = 6;   // "Overflow"
inline constexpr int32_t SinMemoria = 7;       // "Out of memory"
inline constexpr int32_t FueraDeIntervalo = 9; // "Subscript out of range"
inline constexpr int32_t TiposNoCoinciden = 13;  // "Type mismatch"
inline constexpr int32_t NombreDeArchivoIncorrecto = 52;  // "Bad file name or number"
inline constexpr int32_t ArchivoNoEncontrado = 53;        // "File not found"
inline constexpr int32_t ErrorDeEntradaSalida = 57;       // "Device I/O error"
inline constexpr int32_t ArchivoYaExiste = 58;            // "File already exists"
inline constexpr int32_t DiscoLleno = 61;                 // "Disk full"
inline constexpr int32_t PermisoDenegado = 70;            // "Permission denied"
inline constexpr int32_t ErrorDeAccesoARuta = 75;         // "Path/File access error"
inline constexpr int32_t RutaNoEncontrada = 76;           // "Path not found"
inline constexpr int32_t ObjetoNoEstablecido = 91;  // "Object variable or With block variable not set"
}  // namespace errores

// The runtime's standard description of an error number; "Application-defined or object-defined
// error" for numbers it does not know.
std::string DescripcionEstandar(int32_t numero);

}  // namespace mirvalo
