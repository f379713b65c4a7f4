#pragma once
// What the tests of the download screen share: a scripted Web API that answers the file plan, a
// scriptable file server, the reports the Web API received, and what the screen showed when it
// handed over.
#include <gtest/gtest.h>
#include <stdlib.h>

#include <filesystem>
#include <memory>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "core/DM_Core.h"
#include "core/Pantallas.h"
#include "download/frm_Descargar.h"
#include "model/El_Archivo.h"
#include "platform/SistemaRaiz.h"
#include "support/ArchivosDePrueba.h"
#include "support/PantallasDePrueba.h"
#include "support/ServidorDeArchivos.h"
#include "support/ServidorDePrueba.h"
#include "ui/Formularios.h"
#include "ui/Simulacion.h"
#include "webapi/EX_JSON.h"

namespace mirvalo::prueba {

struct FalloReportado {
    std::string procedimiento;
    int noError = 0;
    std::string descripcion;

    bool operator==(const FalloReportado&) const = default;
    friend std::ostream& operator<<(std::ostream& salida, const FalloReportado& f) {
        return salida << "{" << f.procedimiento << ", " << f.noError << ", \"" << f.descripcion << "\"}";
    }
};

// The screen shown after the download screen, and what the download screen showed at that moment.
struct Entrega {
    std::string pantalla{};
    std::string titulo{};
    std::string progresoGeneral{};
    std::optional<int> barraGeneral{};
    std::optional<int> barraIndividual{};
};

// The transfers' temporary files left anywhere under the folder.
inline std::vector<std::filesystem::path> TemporalesBajo(const std::filesystem::path& carpeta) {
    std::vector<std::filesystem::path> temporales;
    std::error_code error;
    for (auto it = std::filesystem::recursive_directory_iterator(carpeta, error);
         !error && it != std::filesystem::recursive_directory_iterator(); it.increment(error)) {
        const std::string nombre = it->path().filename().string();
        if (nombre.starts_with("MVL") && nombre.ends_with(".tmp")) temporales.push_back(it->path());
    }
    return temporales;
}

class DescargaDePrueba : public PantallasDePrueba {
protected:
    void SetUp() override {
        PantallasDePrueba::SetUp();
        for (const char* pantalla : {"frm_Instalar", "frm_Finalizar", "frm_Error"}) {
            pantallas::Registra(pantalla, [this, nombre = std::string(pantalla)] { AnotaLaEntrega(nombre); });
        }
    }

    // A run against the scripted Web API, whose every answer is `respuesta` (the reports ignore
    // theirs): a core that never loaded its configuration (download id 0, no platform name).
    El_Descarga& PreparaConLaWebApi(int32_t modo, const RespuestaProgramada& respuesta) {
        api_ = std::make_unique<ServidorDePrueba>();
        api_->Responde(respuesta);
        setenv("MIRVALO_API_URL", api_->Url().c_str(), 1);
        El_Descarga& descarga = CreaElCore().Descarga;
        descarga.EstablecePlataforma(2);
        descarga.EstableceAsistente(modo);
        return descarga;
    }
    El_Descarga& PreparaConElPlan(int32_t modo, const std::vector<El_Archivo>& plan) {
        return PreparaConLaWebApi(modo, RespuestaProgramada::Con(200, PlanJson(plan)));
    }

    // Opens the screen and runs it at once, instead of 100 ms later.
    Ventana& Abre() { return Pantalla::Abre<frm_Descargar>().Me(); }
    void Corre(Ventana& ventana) { ASSERT_TRUE(simulacion::DisparaElTemporizador(ventana, "tmrInicio")); }
    void Corre() { Corre(Abre()); }

    const std::vector<Entrega>& Entregas() const { return entregas_; }

    std::vector<PasoReportado> Pasos() const {
        std::vector<PasoReportado> pasos;
        for (const ValorJson& cuerpo : CuerposRecibidos("/Detalles")) {
            const ObjetoJson& objeto = cuerpo.Objeto();
            pasos.push_back({Entero(objeto, "Id_Descarga"), Entero(objeto, "Id_Paso"),
                             Entero(objeto, "Status"), Texto(objeto, "Descripcion")});
        }
        return pasos;
    }
    std::vector<int> CodigosDePaso() const {
        std::vector<int> codigos;
        for (const PasoReportado& paso : Pasos()) codigos.push_back(paso.paso);
        return codigos;
    }
    std::vector<FalloReportado> Fallos() const {
        std::vector<FalloReportado> fallos;
        for (const ValorJson& cuerpo : CuerposRecibidos("/Fallos")) {
            const ObjetoJson& objeto = cuerpo.Objeto();
            EXPECT_EQ(Texto(objeto, "Modulo"), "frm_Descargar");
            fallos.push_back({Texto(objeto, "Procedimiento"), std::stoi(Texto(objeto, "NoError")),
                              Texto(objeto, "DescripcionError")});
        }
        return fallos;
    }

    // The folders of the run, native.
    std::filesystem::path Instalador() const {
        return sistema::RutaNativa(Core().Descarga.CarpetaInstalador());
    }
    std::filesystem::path Instalacion() const {
        return sistema::RutaNativa(Core().Descarga.CarpetaInstalacion());
    }
    std::filesystem::path Escritorio() const {
        return raiz_ / "Users" / sistema::NombreDelUsuario() / "Desktop";
    }

    static std::string PlanJson(const std::vector<El_Archivo>& plan) {
        std::string json = "[";
        for (const El_Archivo& archivo : plan) {
            if (json.size() > 1) json += ",";
            json += "{\"RutaServidor\":" + Cita(archivo.RutaServidor) +
                    ",\"RutaInstalador\":" + Cita(archivo.RutaInstalador) +
                    ",\"RutaInstalacion\":" + Cita(archivo.RutaInstalacion) +
                    ",\"Peso\":" + std::to_string(archivo.Peso) + "}";
        }
        return json + "]";
    }

    std::unique_ptr<ServidorDePrueba> api_;
    ServidorDeArchivos archivos_;

private:
    void AnotaLaEntrega(const std::string& pantalla) {
        Entrega entrega{pantalla};
        if (Ventana* descargar = simulacion::VentanaAbierta("frm_Descargar")) {
            entrega.titulo = descargar->Obten<Etiqueta>("lblTitulo").Caption();
            entrega.progresoGeneral = descargar->Obten<Etiqueta>("lblProgresoGeneral").Caption();
            entrega.barraGeneral = descargar->Obten<CajaDeImagen>("picProgresoGeneral").ProgresoMostrado();
            entrega.barraIndividual =
                descargar->Obten<CajaDeImagen>("picProgresoIndividual").ProgresoMostrado();
        }
        entregas_.push_back(entrega);
    }

    // The JSON bodies the Web API received at the addresses ending in `sufijo`, in order; a body
    // that is not JSON is left out.
    std::vector<ValorJson> CuerposRecibidos(std::string_view sufijo) const {
        std::vector<ValorJson> cuerpos;
        for (const PeticionRecibida& peticion : api_->Peticiones()) {
            if (!peticion.ruta.ends_with(sufijo)) continue;
            if (std::optional<ValorJson> cuerpo = EX_JSON().parse(peticion.cuerpo))
                cuerpos.push_back(std::move(*cuerpo));
        }
        return cuerpos;
    }
    static std::string Cita(std::string_view texto) {
        std::string cita = "\"";
        for (char c : texto) {
            if (c == '"' || c == '\\') cita += '\\';
            cita += c;
        }
        return cita + "\"";
    }
    static int Entero(const ObjetoJson& objeto, std::string_view clave) {
        const ValorJson* valor = objeto.Busca(clave);
        if (!valor) return -1;
        if (valor->tipo() == ValorJson::Tipo::Texto) return std::stoi(valor->Texto());
        return static_cast<int>(valor->Numero().RedondeaAEntero().value_or(-1));
    }
    static std::string Texto(const ObjetoJson& objeto, std::string_view clave) {
        const ValorJson* valor = objeto.Busca(clave);
        return valor && valor->tipo() == ValorJson::Tipo::Texto ? valor->Texto() : std::string();
    }

    std::vector<Entrega> entregas_;
};

}  // namespace mirvalo::prueba
