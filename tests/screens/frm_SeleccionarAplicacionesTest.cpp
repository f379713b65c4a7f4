#include "screens/frm_SeleccionarAplicaciones.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <utility>
#include <vector>

#include "PeticionesRecibidas.h"
#include "core/DM_Core.h"
#include "screens/frm_ElegirDescargarInstalar.h"
#include "support/PantallasDePrueba.h"
#include "support/ServidorDePrueba.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

using prueba::PasoReportado;
using prueba::RespuestaProgramada;
using prueba::ServidorDePrueba;
using Textos = std::vector<std::string>;

constexpr const char* Disponibles = "lstAplicacionesDisponibles";
constexpr const char* ADescargar = "lstAplicacionesADescargar";

// The development server's full sample school, as its lists show it.
const Textos Compradas = {"Biología Secundaria", "English Starter Preescolar", "Geometría Primaria",
                          "Lectura Preescolar",  "Lectura Primaria",           "Números Preescolar",
                          "Números Primaria",    "Ortografía Primaria"};
const Textos Matematicas = {"Geometría Primaria", "Geometría Secundaria", "Números Preescolar",
                            "Números Primaria", "Álgebra Secundaria"};
const Textos Espanol = {"Lectura Preescolar", "Lectura Primaria", "Ortografía Primaria",
                        "Redacción Secundaria"};
constexpr int OpcionTodas = 1;
constexpr int OpcionEspanol = 3;
constexpr int OpcionMatematicas = 5;

Textos Lista(const Ventana& ventana, const char* nombre) {
    const auto& lista = ventana.Obten<ListaMultiple>(nombre);
    Textos textos;
    for (int i = 0; i < lista.ListCount(); ++i) textos.push_back(lista.List(i));
    return textos;
}

Textos Seleccionados(const Ventana& ventana, const char* nombre) {
    const auto& lista = ventana.Obten<ListaMultiple>(nombre);
    Textos textos;
    for (int i = 0; i < lista.ListCount(); ++i)
        if (lista.Selected(i)) textos.push_back(lista.List(i));
    return textos;
}

Textos Sin(Textos textos, const Textos& quitados) {
    std::erase_if(textos, [&](const std::string& t) {
        return std::find(quitados.begin(), quitados.end(), t) != quitados.end();
    });
    return textos;
}

// The user clicks these entries of a list, by their texts.
void Elige(Ventana& ventana, const char* lista, const Textos& textos) {
    for (const std::string& texto : textos) {
        const Textos actuales = Lista(ventana, lista);
        const auto donde = std::find(actuales.begin(), actuales.end(), texto);
        ASSERT_NE(donde, actuales.end()) << texto;
        simulacion::EligeEnLaLista(ventana, lista, static_cast<int>(donde - actuales.begin()));
    }
}

void Agrega(Ventana& ventana, const Textos& textos) {
    Elige(ventana, Disponibles, textos);
    simulacion::Clic(ventana, "picBotonAgregar");
}

void Quita(Ventana& ventana, const Textos& textos) {
    Elige(ventana, ADescargar, textos);
    simulacion::Clic(ventana, "picBotonQuitar");
}

class PantallaDeAplicaciones : public prueba::PantallasDePrueba {
protected:
    void SetUp() override {
        PantallasDePrueba::SetUp();
        RegistraComoMostrada("frm_Descargar");
    }

    // A run loaded from the development server (download id 1) for the school `id`.
    Ventana& Muestra(const char* id = "ESCUELA001") {
        sandbox_ = &ArrancaElServidor();
        CreaElCore().CargarConfiguraciones(1);
        Core().Institucion.EstableceIDMirvalo(id);
        EXPECT_TRUE(Core().Institucion.ValidarInstitucion());
        return Pantalla::Abre<frm_SeleccionarAplicaciones>().Me();
    }

    std::vector<PasoReportado> Pasos() const { return prueba::PasosReportados(sandbox_->Reportes()); }
    std::vector<std::string> Fallos() const { return prueba::FallosDelSandbox(sandbox_->Reportes()); }
    static bool EnPantalla() { return simulacion::VentanaAbierta("frm_SeleccionarAplicaciones") != nullptr; }

    sandbox::ServidorSandbox* sandbox_ = nullptr;
};

TEST_F(PantallaDeAplicaciones, LoadOffersTheOptionsAndTheBoughtApplications) {
    Ventana& ventana = Muestra();

    EXPECT_EQ(ventana.Caption(), "Asistente de Descarga Mirvalo 2020.1");
    const auto& opciones = ventana.Obten<ListaDesplegable>("cmbOpciones");
    Textos entradas;
    for (int i = 0; i < opciones.ListCount(); ++i) entradas.push_back(opciones.List(i));
    EXPECT_EQ(entradas, (Textos{"Aplicaciones compradas", "Todas las aplicaciones", "Ciencias", "Español",
                                "Inglés", "Matemáticas"}));
    EXPECT_EQ(opciones.ListIndex(), 0);
    EXPECT_EQ(Lista(ventana, Disponibles), Compradas);
    EXPECT_EQ(Lista(ventana, ADescargar), Textos{});
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 400, 1, ""}}));
    EXPECT_EQ(Fallos(), Textos{});

    const char* botones[][2] = {{"picBotonAnterior", "Anterior"},
                                {"picBotonSiguiente", "Siguiente"},
                                {"picBotonAgregar", "Agregar >>"},
                                {"picBotonQuitar", "<< Quitar"}};
    for (const auto& [contenedor, texto] : botones) {
        EXPECT_EQ(ventana.Obten<Etiqueta>(std::string(contenedor) + "Label").Caption(), texto);
        simulacion::MuevePuntero(ventana, contenedor);
        EXPECT_EQ(ventana.Obten<CajaDeImagen>(contenedor).BackColor(), RGB(255, 255, 255)) << contenedor;
    }
    simulacion::MuevePunteroA(ventana, 6000, 5800);
    for (const auto& boton : botones)
        EXPECT_EQ(ventana.Obten<CajaDeImagen>(boton[0]).BackColor(), RGB(242, 242, 242)) << boton[0];
}

TEST_F(PantallaDeAplicaciones, EachOptionOffersItsQueryAndChosenApplicationsAreNoLongerOffered) {
    Ventana& ventana = Muestra();
    simulacion::Clic(ventana, "picBotonAgregar");
    simulacion::Clic(ventana, "picBotonQuitar");
    EXPECT_EQ(Lista(ventana, Disponibles), Compradas) << "nothing selected, nothing moves";

    simulacion::EligeEnLaLista(ventana, "cmbOpciones", OpcionTodas);
    EXPECT_EQ(Lista(ventana, Disponibles).size(), 15u);
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", OpcionMatematicas);
    EXPECT_EQ(Lista(ventana, Disponibles), Matematicas);

    // Clicked bottom first: the list to download takes them top to bottom.
    Agrega(ventana, {"Álgebra Secundaria", "Números Primaria"});

    const Textos elegidas = {"Números Primaria", "Álgebra Secundaria"};
    EXPECT_EQ(Lista(ventana, ADescargar), elegidas);
    EXPECT_EQ(Lista(ventana, Disponibles), Sin(Matematicas, elegidas));
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", OpcionTodas);
    EXPECT_EQ(Lista(ventana, Disponibles).size(), 13u);
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", 0);
    EXPECT_EQ(Lista(ventana, Disponibles), Sin(Compradas, elegidas));
    EXPECT_EQ(Fallos(), Textos{});
}

TEST_F(PantallaDeAplicaciones, RemovingKeepsTheSelectionsAndBringsBackOnlyTheOptionsApplications) {
    Ventana& ventana = Muestra();
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", OpcionMatematicas);
    Agrega(ventana, {"Números Primaria", "Álgebra Secundaria"});
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", OpcionEspanol);
    Agrega(ventana, {"Lectura Primaria"});
    Elige(ventana, Disponibles, {"Ortografía Primaria", "Redacción Secundaria"});

    Quita(ventana, {"Álgebra Secundaria", "Lectura Primaria"});

    EXPECT_EQ(Lista(ventana, ADescargar), Textos{"Números Primaria"});
    EXPECT_EQ(Lista(ventana, Disponibles), Espanol)
        << "Lectura Primaria is back; Álgebra is not of this suite";
    EXPECT_EQ(Seleccionados(ventana, Disponibles), (Textos{"Ortografía Primaria", "Redacción Secundaria"}));
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", OpcionMatematicas);
    EXPECT_EQ(Lista(ventana, Disponibles), Sin(Matematicas, {"Números Primaria"}));
}

TEST_F(PantallaDeAplicaciones, SiguienteReportsTheChosenTextsInListOrderAndHandsOver) {
    Ventana& ventana = Muestra();
    Agrega(ventana, {"Lectura Primaria"});
    Agrega(ventana, {"Biología Secundaria"});

    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 400, 1, ""},
                                                   {1, 401, 1, "Lectura Primaria,Biología Secundaria,"}}));
    EXPECT_EQ(Mostradas(), Textos{"frm_Descargar"});
    EXPECT_FALSE(EnPantalla());
}

// A school without applications: only the two fixed options, both lists empty, and "Siguiente"
// goes on with the system installers alone.
TEST_F(PantallaDeAplicaciones, ASchoolWithoutApplicationsOffersTwoOptionsAndGoesOnWithout401) {
    Ventana& ventana = Muestra("ESCUELA003");
    EXPECT_EQ(ventana.Obten<ListaDesplegable>("cmbOpciones").ListCount(), 2);
    EXPECT_EQ(Lista(ventana, Disponibles), Textos{});

    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 400, 1, ""}}));
    EXPECT_EQ(Fallos(), Textos{});
    EXPECT_EQ(Mostradas(), Textos{"frm_Descargar"});
    EXPECT_FALSE(EnPantalla());
}

TEST_F(PantallaDeAplicaciones, AnteriorGoesBackToTheModesWhereAnotherModeReplacesTheStoredOne) {
    pantallas::Registra("frm_ElegirDescargarInstalar", [] { Pantalla::Abre<frm_ElegirDescargarInstalar>(); });
    RegistraComoMostrada("frm_SeleccionarAplicaciones");
    Ventana& ventana = Muestra();
    Core().Descarga.EstableceAsistente(3);
    Agrega(ventana, {"Lectura Primaria"});

    simulacion::Clic(ventana, "picBotonAnterior");

    EXPECT_FALSE(EnPantalla());
    Ventana* modos = simulacion::VentanaAbierta("frm_ElegirDescargarInstalar");
    ASSERT_NE(modos, nullptr);
    simulacion::Clic(*modos, "picBotonDescargar");
    EXPECT_EQ(Core().Descarga.Asistente(), 2);
    EXPECT_EQ(Pasos(), (std::vector<PasoReportado>{{1, 400, 1, ""}, {1, 300, 1, ""}, {1, 301, 1, ""}}));
    EXPECT_EQ(Mostradas(), Textos{"frm_SeleccionarAplicaciones"});
}

// Against a scripted catalogue, to see exactly which applications the file list asks for.
class AplicacionesPedidas : public PantallaDeAplicaciones {
protected:
    // "Lectura Primaria" twice (two suites, two ids), and a longer name that contains it.
    Ventana& MuestraElCatalogo() {
        servidor_.Responde(RespuestaProgramada::Con(
            200, R"({"IdVersion": 2, "Aplicaciones": [)" +
                     Aplicacion(1, "Lectura", "Español", "2", "Primaria") + ", " +
                     Aplicacion(2, "Comprensión de Lectura", "Español", "2", "Primaria") + ", " +
                     Aplicacion(3, "Lectura", "Lecturas Extra", "2", "Primaria") + ", " +
                     Aplicacion(4, "Lectura", "Español", "1", "Preescolar") + "]}"));
        setenv("MIRVALO_API_URL", servidor_.Url().c_str(), 1);
        CreaElCore();
        Core().Institucion.EstableceIDMirvalo("PRUEBA0001");
        EXPECT_TRUE(Core().Institucion.ValidarInstitucion());
        return Pantalla::Abre<frm_SeleccionarAplicaciones>().Me();
    }

    static std::string Aplicacion(int id, const char* nombre, const char* suite, const char* nivel,
                                  const char* nombreDelNivel) {
        return std::string(R"({"IdAplicacion": )") + std::to_string(id) + R"(, "NombreAplicacion": ")" +
               nombre + R"(", "SuiteAplicacion": ")" + suite + R"(", "IdNivel": ")" + nivel +
               R"(", "NombreNivel": ")" + nombreDelNivel + R"(", "Comprada": true})";
    }

    // What the download set holds, as the file-list request sends it.
    std::vector<std::pair<int, std::string>> Pedidas() {
        Core().Descarga.ObtenerArchivosADescargar();
        return prueba::AplicacionesPedidas(servidor_);
    }

    ServidorDePrueba servidor_;
};

TEST_F(AplicacionesPedidas, ANameContainedInAnotherIsChosenAloneAndEveryEntryOfItsTextIsAdded) {
    Ventana& ventana = MuestraElCatalogo();
    EXPECT_EQ(Lista(ventana, Disponibles),
              (Textos{"Comprensión de Lectura Primaria", "Lectura Preescolar", "Lectura Primaria"}));

    Agrega(ventana, {"Lectura Primaria"});
    EXPECT_EQ(Lista(ventana, Disponibles), (Textos{"Comprensión de Lectura Primaria", "Lectura Preescolar"}));
    simulacion::EligeEnLaLista(ventana, "cmbOpciones", OpcionTodas);
    EXPECT_EQ(Lista(ventana, Disponibles), (Textos{"Comprensión de Lectura Primaria", "Lectura Preescolar"}));
    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(prueba::PasosRecibidos(servidor_),
              (std::vector<PasoReportado>{{0, 400, 1, ""}, {0, 401, 1, "Lectura Primaria,"}}));
    EXPECT_EQ(Mostradas(), Textos{"frm_Descargar"});
    EXPECT_EQ(Pedidas(), (std::vector<std::pair<int, std::string>>{{1, "2"}, {3, "2"}}));
}

TEST_F(AplicacionesPedidas, WithNothingChosenTheDownloadHoldsNoApplication) {
    Ventana& ventana = MuestraElCatalogo();

    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(prueba::PasosRecibidos(servidor_), (std::vector<PasoReportado>{{0, 400, 1, ""}}));
    EXPECT_EQ(Mostradas(), Textos{"frm_Descargar"});
    EXPECT_EQ(Pedidas(), (std::vector<std::pair<int, std::string>>{}));
}

// The hand-over fails after the applications went into the download set: the screen stays, and a
// second click adds them once more.
TEST_F(AplicacionesPedidas, AFailedHandOverKeepsTheScreenAndASecondClickAddsTheApplicationsAgain) {
    pantallas::OlvidaTodas();
    Ventana& ventana = MuestraElCatalogo();
    Agrega(ventana, {"Lectura Preescolar"});

    simulacion::Clic(ventana, "picBotonSiguiente");
    EXPECT_EQ(prueba::FallosRecibidos(servidor_), Textos{"frm_SeleccionarAplicaciones btnSiguiente 5"});
    ASSERT_TRUE(EnPantalla());
    RegistraComoMostrada("frm_Descargar");
    simulacion::Clic(ventana, "picBotonSiguiente");

    EXPECT_EQ(Mostradas(), Textos{"frm_Descargar"});
    EXPECT_EQ(prueba::PasosRecibidos(servidor_),
              (std::vector<PasoReportado>{
                  {0, 400, 1, ""}, {0, 401, 1, "Lectura Preescolar,"}, {0, 401, 1, "Lectura Preescolar,"}}));
    EXPECT_EQ(Pedidas(), (std::vector<std::pair<int, std::string>>{{4, "1"}, {4, "1"}}));
}

}  // namespace
}  // namespace mirvalo
