#include "install/SecurityFolder.h"

#include <gmock/gmock.h>
#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <string>

#include "InstalacionDePrueba.h"
#include "platform/Eventos.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAre;
using ::testing::IsEmpty;

class HerramientaDeSeguridad : public prueba::InstalacionDePrueba {
protected:
    void TearDown() override {
        EstableceBombaDeEventos(nullptr);
        InstalacionDePrueba::TearDown();
    }
    std::string Log() const { return instalacion_ + "\\LogMV.txt"; }
};

TEST_F(HerramientaDeSeguridad, ALogAlreadyThereEndsTheWaitAtOnce) {
    const std::string log = Log();
    Escribe(Nativa(log), "de una llamada anterior");
    // A minute's wait: the test would take that long if the file were not seen at once.
    EXPECT_TRUE(SecurityFolder(Core()).EsperaAQueExistaElArchivo(log));
    EXPECT_TRUE(fs::exists(Nativa(log)));  // deleting it is the caller's business
}

TEST_F(HerramientaDeSeguridad, WindowEventsRunWhileWaitingAndALogThatAppearsEndsTheWait) {
    const std::string log = Log();
    int eventos = 0;
    EstableceBombaDeEventos([&] {
        if (++eventos == 3) Escribe(Nativa(log), "");
    });
    EXPECT_TRUE(SecurityFolder(Core()).EsperaAQueExistaElArchivo(log));
    EXPECT_EQ(eventos, 3);
}

TEST_F(HerramientaDeSeguridad, NoLogWithinTheWaitIsFalseAndALateOneStaysOnDisk) {
    const std::string log = Log();
    int eventos = 0;
    EstableceBombaDeEventos([&] { ++eventos; });
    EXPECT_FALSE(SecurityFolder(Core(), std::chrono::milliseconds(600)).EsperaAQueExistaElArchivo(log));
    EXPECT_GE(eventos, 2);  // the window stays responsive through the wait
    Escribe(Nativa(log), "");
    EXPECT_TRUE(fs::exists(Nativa(log)));
    EXPECT_THAT(Fallos(), IsEmpty());
}

TEST_F(HerramientaDeSeguridad, TheToolGetsItsThreeArgumentsExactlyWithoutAShellInBetween) {
    // A stand-in that writes each argument it got on a line of its own, then creates the log.
    const fs::path argumentos = raiz_ / "argumentos.txt";
    Instala("Utilerías\\SecurityFolder.exe",
            "#!/bin/sh\n"
            "for a in \"$@\"; do printf '[%s]\\n' \"$a\"; done > \"$MIRVALO_SYSTEM_ROOT/argumentos.txt\"\n"
            ": > \"$(printf '%s' \"$3\" | tr '\\\\' '/')\"\n");
    const SecurityFolder herramienta = LaHerramienta();
    const std::string ruta = herramienta.Ruta();
    ASSERT_EQ(ruta, instalacion_ + "\\Utilerías\\SecurityFolder.exe");
    const std::string raro = "Mirvalo \"A\" $(touch " + (raiz_ / "intruso").string() + "); `id` & | *";

    ASSERT_TRUE(herramienta.Llama(ruta, "ImpresoraPredeterminar", raro, Log()));

    EXPECT_EQ(Lee(argumentos), "[ImpresoraPredeterminar]\n[" + raro + "]\n[" + Log() + "]\n");
    EXPECT_FALSE(fs::exists(raiz_ / "intruso"));
}

TEST_F(HerramientaDeSeguridad, AToolThatCannotStartCountsAsOneThatNeverAnswers) {
    EXPECT_FALSE(LaHerramienta().Llama(instalacion_ + "\\No existe.exe", "Seguridad", instalacion_, Log()));
    EXPECT_THAT(Fallos(), IsEmpty());
}

}  // namespace
}  // namespace mirvalo
