#include "ui/Pantalla.h"

#include <gtest/gtest.h>

#include "ConVentanas.h"
#include "platform/Eventos.h"
#include "ui/Dialogos.h"

namespace mirvalo {
namespace {

// A screen that hands over from its own click handler, as the wizard's screens do.
struct Bitacora {
    std::vector<std::string> sucesos;
};

class frm_Siguiente : public Pantalla {
public:
    explicit frm_Siguiente(Bitacora& bitacora)
        : Pantalla("frm_Siguiente", 11910, 4755), bitacora_(bitacora) {}
    ~frm_Siguiente() override { bitacora_.sucesos.push_back("frm_Siguiente destruida"); }

private:
    void Form_Load() override { bitacora_.sucesos.push_back("frm_Siguiente cargada"); }
    Bitacora& bitacora_;
};

class frm_Primera : public Pantalla {
public:
    explicit frm_Primera(Bitacora& bitacora) : Pantalla("frm_Primera", 11910, 4815), bitacora_(bitacora) {
        auto& etiqueta = Me().AgregaEtiqueta("lblSiguiente", 360, 360, 2000, 300);
        etiqueta.on_click = [this] {
            Pantalla::Abre<frm_Siguiente>(bitacora_);
            Me().Unload();
            // The screen is still whole after unloading itself, until its handler returns.
            Me().Obten<Etiqueta>("lblSiguiente").Caption("después de descargarse");
            bitacora_.sucesos.push_back("clic terminado");
        };
    }
    ~frm_Primera() override { bitacora_.sucesos.push_back("frm_Primera destruida"); }

private:
    void Form_Load() override { bitacora_.sucesos.push_back("frm_Primera cargada"); }
    Bitacora& bitacora_;
};

using PantallaTest = ConVentanas;

TEST_F(PantallaTest, AScreenHandsOverFromItsHandlerAndIsDestroyedAfterIt) {
    Bitacora bitacora;
    auto& primera = Pantalla::Abre<frm_Primera>(bitacora);
    EXPECT_EQ(simulacion::VentanaAbierta("frm_Primera"), &primera.Me());
    EXPECT_EQ(simulacion::PantallaAbierta<frm_Primera>(), &primera);

    simulacion::Clic(primera.Me(), "lblSiguiente");
    EXPECT_EQ(bitacora.sucesos, (std::vector<std::string>{"frm_Primera cargada", "frm_Siguiente cargada",
                                                          "clic terminado", "frm_Primera destruida"}));
    ASSERT_EQ(simulacion::VentanasAbiertas().size(), 1u);
    EXPECT_EQ(simulacion::VentanasAbiertas()[0]->Name(), "frm_Siguiente");
    EXPECT_EQ(simulacion::PantallaAbierta<frm_Primera>(), nullptr);
    EXPECT_FALSE(simulacion::SeTerminoElProceso()) << "unloading by code does not end the process";
}

TEST_F(PantallaTest, TheUserClosingTheWindowEndsTheProcess) {
    Bitacora bitacora;
    auto& siguiente = Pantalla::Abre<frm_Siguiente>(bitacora);
    simulacion::CierraComoElUsuario(siguiente.Me());
    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    EXPECT_TRUE(simulacion::VentanasAbiertas().empty());
}

TEST_F(PantallaTest, EndingTheProcessDuringLongWorkStopsThatWorkAtItsNextEventPump) {
    Ventana ventana("frm_Descargar", 11910, 4815);
    auto& cancelar = ventana.AgregaEtiqueta("lblCancelar", 360, 360, 2000, 300);
    cancelar.on_click = [] { TerminaElProceso(); };
    auto& inicio = ventana.AgregaTemporizador("tmrInicio", 100);
    bool termino_la_obra = false;
    inicio.on_tick = [&] {
        inicio.Enabled(false);
        // The click arrives while the work holds the thread, as a click on a cancel button does.
        simulacion::DespuesDe(std::chrono::milliseconds(30),
                              [&] { simulacion::Clic(ventana, "lblCancelar"); });
        const auto limite = std::chrono::steady_clock::now() + std::chrono::seconds(10);
        while (std::chrono::steady_clock::now() < limite) DejaCorrerEventos();
        termino_la_obra = true;
    };
    inicio.Enabled(true);
    ventana.Show();
    ASSERT_TRUE(simulacion::EsperaHasta([] { return simulacion::SeTerminoElProceso(); }));
    EXPECT_FALSE(termino_la_obra);
    EXPECT_FALSE(ventana.Visible());
}

TEST_F(PantallaTest, QuestionsGoToTheAnswererWhileOneIsSet) {
    std::vector<std::string> preguntas;
    simulacion::RespondeALasPreguntas([&](const std::string& titulo, const std::string& texto) {
        preguntas.push_back(titulo + "|" + texto);
        return preguntas.size() == 1;
    });
    EXPECT_TRUE(PreguntaSiNo("Asistente 2020", "¿Desea...?\r\n\r\nEl proceso"));
    EXPECT_FALSE(PreguntaSiNo("Asistente 2020", "otra"));
    EXPECT_EQ(preguntas.front(), "Asistente 2020|¿Desea...?\r\n\r\nEl proceso");
}

}  // namespace
}  // namespace mirvalo
