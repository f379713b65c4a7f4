#pragma once
#include <array>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "download/DescargaProgreso.h"
#include "webapi/SolicitudHttp.h"

namespace mirvalo {

class HttpEncabezados;

// Fetches one resource over HTTP: one GET, the status tested, a few answer headers read on demand,
// and the body either into a file or into memory, with a progress event per block. Into a file,
// the body goes first to a temporary file in the target's folder, which takes the target's place
// only when the whole body has arrived. The outcome is left in HuboError, StatusCode and
// StatusText: the object throws nothing of its own. What the Progreso listener or the window
// events throw (the process ending from a click) passes through, once the transfer has been closed
// and its temporary file deleted.
//
// StatusCode is the answer's status, or one of this object's codes with its text in StatusText:
//   001 "URL incorrecta."                               the address is not http or https
//   002 "Error en InternetOpen."                        no session
//   003 "Error en InternetConnect."                     no host, a host that is no host name, a bad port
//   004 "Error en InternetOpenRequest."                 the object path was refused
//   005 "Error en InternetSendRequest."                 no answer: not connected, TLS refused, no head
//   006 "Error en InternetQueryInfo."                   an answer without a readable status
//   007 "Error en InternetReadFile."                    (not produced)
//   008 "No se ha podido crear el fichero de destino."  the temporary file could not be created,
//                                                       written or moved onto the target
//   998 "Descarga cancelada por el usuario."            the listener cancelled the transfer
//   999 "Ha ocurrido un error durante la descarga."     the body broke off, or was shorter than declared
// A status not beginning with "2" ends the transfer with that status and the server's own text.
// In every one of these cases HuboError is true, and no temporary file is left behind; an existing
// target file is replaced only by a complete body.
class EX_Download {
public:
    // The answer headers that can be asked for, in the order they are read.
    enum class Encabezado {
        ContentLength,
        ContentType,
        Expires,
        LastModified,
        Pragma,
        Version,
        RawHeaders,
        RawHeadersCrLf,
        Forwarded,
        Server,
        RequestMethod,
    };

    static constexpr int32_t BytesBloqueDescargaPorDefecto = 512;

    EX_Download();
    ~EX_Download();
    EX_Download(const EX_Download&) = delete;
    EX_Download& operator=(const EX_Download&) = delete;

    // The address. Storing it parses it at once: an address that is not "http" or "https" sets
    // code 001 right away. Without "://" it is taken as http. The host runs to the first "/"; a port
    // written after the host is used when Puerto is 0.
    const std::string& URL() const { return url_; }
    void URL(std::string_view valor);

    // The target file's full path, backslashes allowed; empty keeps the body in memory
    // (ContenidoDescargado). Read back without the blanks around it.
    std::string Fichero() const;
    void Fichero(std::string_view valor) { fichero_ = valor; }

    // The port; 0 reads as the scheme's: 80 for http, 443 for https, 0 for any other.
    int32_t Puerto() const;
    void Puerto(int32_t valor) { puerto_ = valor; }

    const std::string& Usuario() const { return usuario_; }
    void Usuario(std::string_view valor) { usuario_ = valor; }
    const std::string& Password() const { return password_; }
    void Password(std::string_view valor) { password_ = valor; }

    // The proxy servers and the hosts reached without one; with both empty no proxy is used.
    const std::string& UsarProxy() const { return usarProxy_; }
    void UsarProxy(std::string_view valor) { usarProxy_ = valor; }
    const std::string& NoUsarProxy() const { return noUsarProxy_; }
    void NoUsarProxy(std::string_view valor) { noUsarProxy_ = valor; }

    // The size of a block: one progress event per block. A value below 1 counts as the default.
    int32_t BytesBloqueDescarga() const { return bytesBloqueDescarga_; }
    void BytesBloqueDescarga(int32_t valor) { bytesBloqueDescarga_ = valor; }

    // How long the connection may take, and how long the answer may stall, before the transfer fails
    // (005 before the status arrived, 999 during the body).
    const TiemposDeEspera& Tiempos() const { return tiempos_; }
    void Tiempos(const TiemposDeEspera& valor) { tiempos_ = valor; }

    bool HuboError() const { return huboError_; }
    const std::string& StatusCode() const { return statusCode_; }
    const std::string& StatusText() const { return statusText_; }
    // The body, when Fichero is empty.
    const std::string& ContenidoDescargado() const { return contenidoDescargado_; }

    // The answer headers on demand: a switch per header (only Content-Length is on at first) and
    // the text that receives its value. Each text is emptied when a transfer starts and keeps that
    // when its header is missing or its value does not fit in 1023 bytes.
    bool QContentLength() const { return Activo(Encabezado::ContentLength); }
    void QContentLength(bool valor) { Activa(Encabezado::ContentLength, valor); }
    const std::string& QContentLengthStr() const { return Texto(Encabezado::ContentLength); }
    bool QContentType() const { return Activo(Encabezado::ContentType); }
    void QContentType(bool valor) { Activa(Encabezado::ContentType, valor); }
    const std::string& QContentTypeStr() const { return Texto(Encabezado::ContentType); }
    bool QExpires() const { return Activo(Encabezado::Expires); }
    void QExpires(bool valor) { Activa(Encabezado::Expires, valor); }
    const std::string& QExpiresStr() const { return Texto(Encabezado::Expires); }
    void QExpiresStr(std::string_view valor) { textos_[Indice(Encabezado::Expires)] = valor; }
    bool QLastModified() const { return Activo(Encabezado::LastModified); }
    void QLastModified(bool valor) { Activa(Encabezado::LastModified, valor); }
    const std::string& QLastModifiedStr() const { return Texto(Encabezado::LastModified); }
    // Of the request: "no-cache".
    bool QPragma() const { return Activo(Encabezado::Pragma); }
    void QPragma(bool valor) { Activa(Encabezado::Pragma, valor); }
    const std::string& QPragmaStr() const { return Texto(Encabezado::Pragma); }
    // The answer's protocol version: "HTTP/1.1".
    bool QVersion() const { return Activo(Encabezado::Version); }
    void QVersion(bool valor) { Activa(Encabezado::Version, valor); }
    const std::string& QVersionStr() const { return Texto(Encabezado::Version); }
    // The first of the raw headers, which is the status line.
    bool QRawHeaders() const { return Activo(Encabezado::RawHeaders); }
    void QRawHeaders(bool valor) { Activa(Encabezado::RawHeaders, valor); }
    const std::string& QRawHeadersStr() const { return Texto(Encabezado::RawHeaders); }
    // The status line and every header, each ended by CR LF, and the blank line.
    bool QRawHeadersCrLf() const { return Activo(Encabezado::RawHeadersCrLf); }
    void QRawHeadersCrLf(bool valor) { Activa(Encabezado::RawHeadersCrLf, valor); }
    const std::string& QRawHeadersCrLfStr() const { return Texto(Encabezado::RawHeadersCrLf); }
    void QRawHeadersCrLfStr(std::string_view valor) { textos_[Indice(Encabezado::RawHeadersCrLf)] = valor; }
    bool QForwarded() const { return Activo(Encabezado::Forwarded); }
    void QForwarded(bool valor) { Activa(Encabezado::Forwarded, valor); }
    const std::string& QForwardedStr() const { return Texto(Encabezado::Forwarded); }
    bool QServer() const { return Activo(Encabezado::Server); }
    void QServer(bool valor) { Activa(Encabezado::Server, valor); }
    const std::string& QServerStr() const { return Texto(Encabezado::Server); }
    // Of the request: "GET".
    bool QRequestMethod() const { return Activo(Encabezado::RequestMethod); }
    void QRequestMethod(bool valor) { Activa(Encabezado::RequestMethod, valor); }
    const std::string& QRequestMethodStr() const { return Texto(Encabezado::RequestMethod); }

    // Raised once per block received; see EventoProgreso. Window events are let run before and
    // after it (at most every few milliseconds), which is how a click on a cancel button reaches
    // the listener during a transfer.
    EventoProgreso Progreso;

    // The transfer. A `cuerpo` of 0 stops after the status and the headers; any other value
    // fetches the body too. The object can be used again for another transfer.
    void Descargar(int32_t cuerpo);

private:
    static constexpr std::size_t NumeroDeEncabezados = 11;
    static constexpr std::size_t Indice(Encabezado e) { return static_cast<std::size_t>(e); }
    bool Activo(Encabezado e) const { return activos_[Indice(e)]; }
    void Activa(Encabezado e, bool valor) { activos_[Indice(e)] = valor; }
    const std::string& Texto(Encabezado e) const { return textos_[Indice(e)]; }

    struct Transferencia;

    bool AnalizarURL();
    void EstablecerError(int32_t codigo);
    void Transfiere(int32_t cuerpo);
    bool AtiendeLaRespuesta(Transferencia& transferencia, const HttpEncabezados& encabezados);
    int64_t LeeLosEncabezados(const HttpEncabezados& encabezados);

    std::string url_;
    std::string fichero_;
    int32_t puerto_ = 0;
    std::string usuario_;
    std::string password_;
    std::string usarProxy_;
    std::string noUsarProxy_;
    int32_t bytesBloqueDescarga_ = BytesBloqueDescargaPorDefecto;
    TiemposDeEspera tiempos_;

    bool huboError_ = false;
    std::string statusCode_;
    std::string statusText_;
    std::string contenidoDescargado_;
    std::array<bool, NumeroDeEncabezados> activos_{true};  // only the first, Content-Length, is on
    std::array<std::string, NumeroDeEncabezados> textos_;

    // The address as parsed.
    std::string esquema_;
    std::string host_;
    std::string ruta_;
};

}  // namespace mirvalo
