#include "download/EX_Download.h"

#include <algorithm>
#include <cstdio>
#include <exception>
#include <filesystem>
#include <memory>
#include <new>
#include <optional>
#include <utility>

#include "download/DescargaArchivoTemporal.h"
#include "download/DescargaCuerpo.h"
#include "download/DescargaRitmoDeEventos.h"
#include "download/HttpConexion.h"
#include "download/HttpEncabezados.h"
#include "platform/SistemaRaiz.h"
#include "platform/Texto.h"

namespace mirvalo {
namespace {

constexpr std::string_view Agente = "kwDownload";
// What the request itself carries, for the two switches that ask about the request.
constexpr std::string_view PragmaDeLaPeticion = "no-cache";
constexpr std::string_view MetodoDeLaPeticion = "GET";
// A header value is read into a buffer of 1024 bytes, its end mark included.
constexpr std::size_t LargoMaximoDeUnValor = 1023;

constexpr int32_t UrlIncorrecta = 1;
constexpr int32_t SinSesion = 2;
constexpr int32_t SinConexion = 3;
constexpr int32_t SinPeticion = 4;
constexpr int32_t PeticionNoEnviada = 5;
constexpr int32_t EstadoIlegible = 6;
constexpr int32_t SinFicheroDeDestino = 8;
constexpr int32_t Cancelada = 998;
constexpr int32_t LecturaFallida = 999;

std::optional<std::string_view> TextoDelError(int32_t codigo) {
    switch (codigo) {
        case 1: return "URL incorrecta.";
        case 2: return "Error en InternetOpen.";
        case 3: return "Error en InternetConnect.";
        case 4: return "Error en InternetOpenRequest.";
        case 5: return "Error en InternetSendRequest.";
        case 6: return "Error en InternetQueryInfo.";
        case 7: return "Error en InternetReadFile.";
        case 8: return "No se ha podido crear el fichero de destino.";
        case 998: return "Descarga cancelada por el usuario.";
        case 999: return "Ha ocurrido un error durante la descarga.";
        default: return std::nullopt;
    }
}

std::string AsciiEnMinusculas(std::string_view texto) {
    std::string minusculas(texto);
    for (char& c : minusculas)
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
    return minusculas;
}

bool SoloDigitos(std::string_view texto) {
    if (texto.empty()) return false;
    for (const char c : texto)
        if (c < '0' || c > '9') return false;
    return true;
}

// The Content-Length as a number; -1 when it is not a whole number of bytes.
int64_t LongitudDeclarada(std::string_view valor) {
    valor = valor.substr(0, valor.find_last_not_of(' ') + 1);
    valor.remove_prefix(std::min(valor.size(), valor.find_first_not_of(' ')));
    if (!SoloDigitos(valor) || valor.size() > 18) return -1;
    return std::stoll(std::string(valor));
}

std::optional<std::string> QueCabe(std::optional<std::string> valor) {
    if (valor && valor->size() > LargoMaximoDeUnValor) return std::nullopt;
    return valor;
}

}  // namespace

// The state of one transfer, shared by the transport's callbacks.
struct EX_Download::Transferencia {
    int32_t cuerpo = 0;
    DescargaRitmoDeEventos ritmo;
    bool respuestaAtendida = false;
    bool decidida = false;  // ended by the answer's head: an error code set, or the headers were all
    std::exception_ptr excepcion;
    std::filesystem::path destino;
    std::unique_ptr<DescargaArchivoTemporal> archivo;
    std::optional<DescargaCuerpo> recepcion;
};

EX_Download::EX_Download() = default;

EX_Download::~EX_Download() = default;

void EX_Download::URL(std::string_view valor) {
    url_ = valor;
    AnalizarURL();
}

std::string EX_Download::Fichero() const {
    return texto::Recorta(fichero_);
}

int32_t EX_Download::Puerto() const {
    if (puerto_ != 0) return puerto_;
    if (esquema_ == "http") return 80;
    if (esquema_ == "https") return 443;
    return 0;
}

bool EX_Download::AnalizarURL() {
    const std::string_view url = url_;
    const auto separador = url.find("://");
    std::size_t inicioDelHost = 0;
    if (separador == std::string_view::npos) {
        esquema_ = "http";
    } else {
        esquema_ = AsciiEnMinusculas(url.substr(0, separador));
        inicioDelHost = separador + 3;
    }
    host_.clear();
    ruta_.clear();
    if (esquema_ != "http" && esquema_ != "https") {
        EstablecerError(UrlIncorrecta);
        return false;
    }
    const auto barra = url.find('/', inicioDelHost);
    host_ = url.substr(inicioDelHost,
                       barra == std::string_view::npos ? std::string_view::npos : barra - inicioDelHost);
    if (barra != std::string_view::npos && barra + 1 < url.size()) ruta_ = url.substr(barra);
    return true;
}

void EX_Download::EstablecerError(int32_t codigo) {
    char texto[16];
    std::snprintf(texto, sizeof texto, "%03d", codigo);
    statusCode_ = texto;
    if (const auto mensaje = TextoDelError(codigo)) statusText_ = *mensaje;
    huboError_ = true;
}

void EX_Download::Descargar(int32_t cuerpo) {
    for (auto& texto : textos_) texto.clear();
    huboError_ = false;
    statusCode_.clear();
    statusText_.clear();
    contenidoDescargado_.clear();
    try {
        Transfiere(cuerpo);
    } catch (const std::bad_alloc&) {
        // A body held in memory that does not fit is a failed read, not a crash.
        EstablecerError(LecturaFallida);
    }
}

void EX_Download::Transfiere(int32_t cuerpo) {
    if (!AnalizarURL()) return;

    HttpConexion conexion;
    std::optional<HttpProxy> proxy;
    if (!usarProxy_.empty() || !noUsarProxy_.empty()) proxy = HttpProxy{usarProxy_, noUsarProxy_};
    if (!conexion.Abre(Agente, proxy)) return EstablecerError(SinSesion);

    // A port written in the address is part of the host as parsed; it is used when none was set.
    std::string host = host_;
    int32_t puerto = Puerto();
    const auto dosPuntos = host.rfind(':');
    if (dosPuntos != std::string::npos && dosPuntos > 0 &&
        SoloDigitos(std::string_view(host).substr(dosPuntos + 1))) {
        const std::string escrito = host.substr(dosPuntos + 1);
        host.resize(dosPuntos);
        if (puerto_ == 0) puerto = escrito.size() <= 5 ? std::stoi(escrito) : -1;
    }
    if (!conexion.Conecta(esquema_, host, puerto, usuario_, password_)) return EstablecerError(SinConexion);
    if (!conexion.PreparaPeticion(ruta_)) return EstablecerError(SinPeticion);

    Transferencia t;
    t.cuerpo = cuerpo;
    conexion.on_espera = [&t] { t.ritmo.EnEspera(); };
    // Nothing may be thrown through libcurl. What the listener or the window events throw (the
    // process ending from a click) stops the transfer and is thrown again once libcurl is left.
    conexion.on_encabezados = [this, &t](const HttpEncabezados& encabezados) {
        try {
            return AtiendeLaRespuesta(t, encabezados);
        } catch (...) {
            t.excepcion = std::current_exception();
            return false;
        }
    };
    conexion.on_datos = [this, &t, &conexion](const char* datos, std::size_t cantidad) {
        try {
            // A head taken for one that would be followed, and was not.
            if (!t.respuestaAtendida && !AtiendeLaRespuesta(t, conexion.Encabezados())) return false;
            return t.recepcion->Recibe(datos, cantidad);
        } catch (...) {
            t.excepcion = std::current_exception();
            return false;
        }
    };

    const HttpConexion::Final final = conexion.Ejecuta(tiempos_);
    if (t.excepcion) std::rethrow_exception(t.excepcion);
    if (t.decidida) return;
    if (!t.respuestaAtendida) {
        // The transfer ended without handing over a head: none arrived, or the last one was a
        // redirection that could not be followed, which then is the answer.
        if (!conexion.Encabezados().Completo()) return EstablecerError(PeticionNoEnviada);
        if (!AtiendeLaRespuesta(t, conexion.Encabezados())) return;
    }

    DescargaCuerpo& recepcion = *t.recepcion;
    if (final == HttpConexion::Final::Completa) recepcion.Termina();
    if (recepcion.Cancelado()) return EstablecerError(Cancelada);
    if (recepcion.FalloElArchivo()) return EstablecerError(SinFicheroDeDestino);
    // A body shorter than its Content-Length broke off, however the connection ended.
    if (final == HttpConexion::Final::Fallida || !recepcion.Completo())
        return EstablecerError(LecturaFallida);
    if (t.archivo && !t.archivo->ReemplazaA(t.destino)) return EstablecerError(SinFicheroDeDestino);
}

bool EX_Download::AtiendeLaRespuesta(Transferencia& t, const HttpEncabezados& encabezados) {
    t.respuestaAtendida = true;
    t.decidida = true;
    const auto texto = QueCabe(encabezados.Texto());
    const auto codigo = QueCabe(encabezados.Codigo());
    if (texto) statusText_ = *texto;
    if (!texto || !codigo || codigo->empty()) {
        EstablecerError(EstadoIlegible);
        return false;
    }
    statusCode_ = *codigo;
    if (!codigo->starts_with('2')) {
        // The server's status is the error code, and its own text stays.
        huboError_ = true;
        return false;
    }
    const int64_t longitud = LeeLosEncabezados(encabezados);
    if (t.cuerpo == 0) return false;

    if (const std::string fichero = Fichero(); !fichero.empty()) {
        t.destino = sistema::RutaNativa(fichero);
        std::filesystem::path carpeta = t.destino.parent_path();
        if (carpeta.empty()) carpeta = ".";
        t.archivo = DescargaArchivoTemporal::Crea(carpeta);
        if (!t.archivo) {
            EstablecerError(SinFicheroDeDestino);
            return false;
        }
    } else if (longitud >= 0) {
        contenidoDescargado_.assign(static_cast<std::size_t>(longitud), ' ');
    }
    t.recepcion.emplace(longitud,
                        bytesBloqueDescarga_ >= 1 ? bytesBloqueDescarga_ : BytesBloqueDescargaPorDefecto,
                        t.archivo.get(), contenidoDescargado_, Progreso, t.ritmo);
    t.decidida = false;
    // Nothing more to wait for when the declared body is empty.
    return longitud != 0;
}

int64_t EX_Download::LeeLosEncabezados(const HttpEncabezados& encabezados) {
    const auto valorDe = [&encabezados](Encabezado encabezado) -> std::optional<std::string> {
        switch (encabezado) {
            case Encabezado::ContentLength: return QueCabe(encabezados.Valor("Content-Length"));
            case Encabezado::ContentType: return QueCabe(encabezados.Valor("Content-Type"));
            case Encabezado::Expires: return QueCabe(encabezados.Valor("Expires"));
            case Encabezado::LastModified: return QueCabe(encabezados.Valor("Last-Modified"));
            case Encabezado::Pragma: return std::string(PragmaDeLaPeticion);
            case Encabezado::Version: return QueCabe(encabezados.Version());
            case Encabezado::RawHeaders: return QueCabe(encabezados.LineaDeEstado());
            case Encabezado::RawHeadersCrLf: return QueCabe(encabezados.Crudos());
            case Encabezado::Forwarded: return QueCabe(encabezados.Valor("Forwarded"));
            case Encabezado::Server: return QueCabe(encabezados.Valor("Server"));
            case Encabezado::RequestMethod: return std::string(MetodoDeLaPeticion);
        }
        return std::nullopt;
    };

    int64_t longitud = -1;
    if (const auto valor = valorDe(Encabezado::ContentLength)) {
        longitud = LongitudDeclarada(*valor);
        if (QContentLength()) textos_[Indice(Encabezado::ContentLength)] = *valor;
    }
    for (std::size_t i = Indice(Encabezado::ContentType); i < NumeroDeEncabezados; ++i) {
        if (!activos_[i]) continue;
        if (auto valor = valorDe(static_cast<Encabezado>(i))) textos_[i] = std::move(*valor);
    }
    return longitud;
}

}  // namespace mirvalo
