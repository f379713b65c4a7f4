#include "platform/Procesos.h"

#include "platform/Error.h"
#include "platform/Regsvr32Emulado.h"
#include "platform/SistemaRaiz.h"

#include "support/RaizDePrueba.h"

#include <gmock/gmock.h>
#include <signal.h>

namespace mirvalo::procesos {
namespace {

namespace fs = std::filesystem;
using prueba::RaizDePrueba;
using Procesos = RaizDePrueba;

// Writes each argument it receives, in brackets, and the windir it sees, into salida.txt beside
// the system root's journal; then ends with code 7.
constexpr const char* GuionQueAnota = R"(#!/bin/sh
{ for a in "$@"; do printf '[%s]\n' "$a"; done; printf 'windir=%s\n' "$windir"; } > "$MIRVALO_SYSTEM_ROOT/salida.tmp"
mv "$MIRVALO_SYSTEM_ROOT/salida.tmp" "$MIRVALO_SYSTEM_ROOT/salida.txt"
exit 7
)";

TEST_F(Procesos, AWindowsCommandLineReachesTheProgramAsItsArgumentsWithoutAShell) {
    // A downloaded program keeps no execute permission; Windows would run it all the same.
    Escribe(raiz_ / "Program Files/Mirvalo X/Utilerías/Security Folder.exe", GuionQueAnota);

    const int32_t codigo = IniciaYEspera(
        R"L("C:\Program Files\Mirvalo X\Utilerías\Security Folder.exe" "Seguridad" "" "a b" c\"d "$(touch x)" ;*)L",
        Ventana::Normal);

    EXPECT_EQ(codigo, 7);
    EXPECT_EQ(Lee(raiz_ / "salida.txt"), "[Seguridad]\n[]\n[a b]\n[c\"d]\n[$(touch x)]\n[;*]\nwindir=" +
                                             (raiz_ / "Windows").string() + "\n");
    EXPECT_FALSE(fs::exists("x"));
    EXPECT_THAT(Diario(), testing::HasSubstr("start: "));
}

TEST_F(Procesos, ABareNameIsFoundInSystem32WithExeAdded) {
    Escribe(raiz_ / "Windows/System32/anotador.exe", GuionQueAnota);
    EXPECT_EQ(IniciaYEspera("anotador /x", Ventana::Oculta), 7);
    EXPECT_EQ(Lee(raiz_ / "salida.txt"), "[/x]\nwindir=" + (raiz_ / "Windows").string() + "\n");
}

TEST_F(Procesos, StartingWithoutWaitingReturnsWhileTheProgramStillRuns) {
    // The program waits for a file that the test creates only after the start has returned.
    Escribe(raiz_ / "Windows/espera.exe", R"(#!/bin/sh
i=0
while [ ! -e "$MIRVALO_SYSTEM_ROOT/sigue" ] && [ $i -lt 1000 ]; do sleep 0.02; i=$((i+1)); done
touch "$MIRVALO_SYSTEM_ROOT/terminado"
)");
    const int64_t id = Inicia(R"(C:\Windows\espera.exe)", Ventana::Oculta);
    ASSERT_GT(id, 0);
    EXPECT_FALSE(fs::exists(raiz_ / "terminado"));
    Escribe(raiz_ / "sigue", "");
    EXPECT_TRUE(AparecePronto(raiz_ / "terminado"));
}

TEST_F(Procesos, FailuresToStartCarryTheRuntimesNumbers) {
    Escribe(raiz_ / "Program Files/texto.exe", "no es un programa\n");
    fs::create_directories(raiz_ / "Program Files/carpeta.exe");
    struct Caso {
        const char* linea;
        int32_t numero;
    };
    const Caso casos[] = {
        {R"(C:\Program Files\falta.exe /x)", errores::ArchivoNoEncontrado},
        {"programa_que_no_existe", errores::ArchivoNoEncontrado},
        {R"(C:\Program Files\carpeta.exe)", errores::ArchivoNoEncontrado},
        {"", errores::ArchivoNoEncontrado},
        {R"("C:\Program Files\texto.exe")", errores::LlamadaNoValida},
        // Unquoted, the program ends at the blank.
        {R"(C:\Program Files\texto.exe)", errores::ArchivoNoEncontrado},
    };
    for (const Caso& caso : casos) {
        try {
            IniciaYEspera(caso.linea, Ventana::Oculta);
            ADD_FAILURE() << caso.linea << " started";
        } catch (const Error& error) {
            EXPECT_EQ(error.Numero(), caso.numero) << caso.linea << ": " << error.Llamada();
        }
        EXPECT_THROW(Inicia(caso.linea, Ventana::Oculta), Error) << caso.linea;
    }
}

TEST_F(Procesos, TheRegistrationToolRunsInsideTheProcessAndIsDoneWhenTheStartReturns) {
    Escribe(raiz_ / "Windows/System32/mi control.ocx", "MZ");
    Escribe(raiz_ / "Windows/System32/otro.dll", "MZ");
    EXPECT_EQ(Inicia(R"(regsvr32 /s C:\Windows\System32\mi control.ocx)", Ventana::Oculta), 0);
    EXPECT_EQ(Inicia(R"(C:\Windows\System32\REGSVR32.EXE /s C:\Windows\System32\otro.dll)", Ventana::Oculta),
              0);
    EXPECT_EQ(BibliotecasRegistradas(), std::vector<std::string>{R"(C:\Windows\System32\otro.dll)"});
}

TEST_F(Procesos, TheExitCodeOfAProgramEndedByASignal) {
    Escribe(raiz_ / "Windows/muere.exe", "#!/bin/sh\nkill -TERM $$\n");
    EXPECT_EQ(IniciaYEspera(R"(C:\Windows\muere.exe)", Ventana::Oculta), 128 + SIGTERM);
}

TEST(ProcesosFin, EndingTheProcessGivesItsCode) {
    EXPECT_EXIT(TerminaElProceso(3), testing::ExitedWithCode(3), "");
}

}  // namespace
}  // namespace mirvalo::procesos
