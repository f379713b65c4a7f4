// The whole wizard, screen by screen as a user drives it, against the development server serving the
// complete sample product (with its installation files), on a fresh emulated system.
#include <gmock/gmock.h>
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "core/DM_Core.h"
#include "core/PantallasDelAsistente.h"
#include "core/frm_Splash.h"
#include "model/El_Archivo.h"
#include "platform/CarpetasEspeciales.h"
#include "platform/ImpresoraAdministracion.h"
#include "platform/Registro.h"
#include "platform/Regsvr32Emulado.h"
#include "platform/SistemaRaiz.h"
#include "support/PantallasDePrueba.h"
#include "ui/Simulacion.h"

namespace mirvalo {
namespace {

namespace fs = std::filesystem;
using ::testing::ElementsAreArray;
using ::testing::HasSubstr;
using ::testing::IsEmpty;

constexpr const char* NombreDeInstalacion = "Mirvalo Mirvalo Plataforma Cloud";
constexpr auto Paciencia = std::chrono::seconds(60);

struct Modo {
    const char* nombre;
    int32_t asistente;
    const char* boton;              // on the mode selection screen
    std::vector<int> pasosDelModo;  // step codes of the mode screen and of the final button
};

void PrintTo(const Modo& modo, std::ostream* salida) {
    *salida << modo.nombre;
}

class AsistenteCompleto : public prueba::PantallasDePrueba, public ::testing::WithParamInterface<Modo> {
protected:
    void SetUp() override {
        for (const char* variable :
             {"ProgramFiles", "ProgramFiles(x86)", "windir", "SystemRoot", "USERPROFILE", "APPDATA",
              "LOCALAPPDATA", "ProgramData", "PUBLIC", "TEMP", "TMP"})
            unsetenv(variable);
        PantallasDePrueba::SetUp();
        sandbox_ = &ArrancaElServidor();  // its default data: the complete sample product
        // A computer that has the .NET Framework 2.0: the modes that install ask nothing.
        registro::CreaLaClave(registro::Rama::MaquinaLocal,
                              "SOFTWARE\\Microsoft\\NET Framework Setup\\NDP\\v2.0.50727");
        simulacion::RespondeALasPreguntas([](const std::string& titulo, const std::string& texto) {
            ADD_FAILURE() << "unexpected question: " << titulo << " | " << texto;
            return false;
        });
        RegistraLasPantallas();
    }

    // Runs the event loop until the named window is open, and gives it.
    static Ventana& Espera(const char* pantalla) {
        EXPECT_TRUE(simulacion::EsperaHasta(
            [pantalla] { return simulacion::VentanaAbierta(pantalla) != nullptr; }, Paciencia))
            << "no " << pantalla << "; open: " << Abiertas();
        Ventana* ventana = simulacion::VentanaAbierta(pantalla);
        if (!ventana) throw std::runtime_error(std::string("no ") + pantalla);
        return *ventana;
    }
    static std::string Abiertas() {
        std::string nombres;
        for (Ventana* ventana : simulacion::VentanasAbiertas()) nombres += ventana->Name() + " ";
        return nombres;
    }

    // The user adds these applications of the school's bought ones to the download.
    static void EligeLasAplicaciones(Ventana& ventana, const std::vector<std::string>& textos) {
        for (const std::string& texto : textos) {
            const auto& disponibles = ventana.Obten<ListaMultiple>("lstAplicacionesDisponibles");
            int indice = -1;
            for (int i = 0; i < disponibles.ListCount(); ++i)
                if (disponibles.List(i) == texto) indice = i;
            ASSERT_GE(indice, 0) << texto;
            simulacion::EligeEnLaLista(ventana, "lstAplicacionesDisponibles", indice);
        }
        simulacion::Clic(ventana, "picBotonAgregar");
    }

    static std::string Lee(const fs::path& ruta) {
        std::ifstream archivo(ruta, std::ios::binary);
        return std::string(std::istreambuf_iterator<char>(archivo), std::istreambuf_iterator<char>());
    }
    static fs::path Nativa(const std::string& ruta) { return sistema::RutaNativa(ruta); }

    std::vector<int> CodigosReportados() const {
        std::vector<int> codigos;
        for (const prueba::PasoReportado& paso : prueba::PasosReportados(sandbox_->Reportes()))
            codigos.push_back(paso.paso);
        return codigos;
    }

    sandbox::ServidorSandbox* sandbox_ = nullptr;
};

TEST_P(AsistenteCompleto, FromStartUpToTheFinalScreen) {
    const Modo& modo = GetParam();
    const bool instala = modo.asistente != 2;
    const bool descarga = modo.asistente != 1;

    Pantalla::Abre<frm_Splash>([] { return true; });

    Ventana& id = Espera("frm_SolicitarIdMirvalo");
    simulacion::Escribe(id, "txtIdMirvalo", "ESCUELA001");
    simulacion::Clic(id, "picBotonSiguiente");

    simulacion::Clic(Espera("frm_ElegirDescargarInstalar"), modo.boton);

    Ventana& aplicaciones = Espera("frm_SeleccionarAplicaciones");
    EligeLasAplicaciones(aplicaciones, {"Números Primaria", "Lectura Primaria"});
    simulacion::Clic(aplicaciones, "picBotonSiguiente");

    Ventana& final = Espera("frm_Finalizar");
    ASSERT_EQ(Core().Descarga.Asistente(), modo.asistente);

    // The files: every copy the mode needs, at its size, where the plan puts it.
    const El_Descarga& plan = Core().Descarga;
    const std::string instalador =
        sistema::Entorno("USERPROFILE") + "\\Desktop\\Instalador de Mirvalo " + "Mirvalo Plataforma Cloud";
    const std::string instalacion = sistema::Entorno("ProgramFiles") + "\\" + NombreDeInstalacion;
    EXPECT_EQ(fs::exists(Nativa(instalador)), descarga);
    EXPECT_EQ(fs::exists(Nativa(instalacion)), instala);
    EXPECT_EQ(plan.Archivos().size(), instala && !descarga ? 15u : 17u);
    for (const El_Archivo& archivo : plan.Archivos()) {
        SCOPED_TRACE(archivo.RutaInstalador);
        if (descarga) {
            EXPECT_EQ(fs::file_size(Nativa(instalador + "\\" + archivo.RutaInstalador)),
                      static_cast<std::uintmax_t>(archivo.Peso));
        }
        if (instala && !archivo.RutaInstalacion.empty()) {
            EXPECT_EQ(fs::file_size(Nativa(instalacion + "\\" + archivo.RutaInstalacion)),
                      static_cast<std::uintmax_t>(archivo.Peso));
        }
    }

    // The computer, prepared only by the modes that install.
    const fs::path windows = Nativa(sistema::Entorno("windir"));
    const std::string sistema32 = sistema::Entorno("windir") + "\\System32\\";
    if (instala) {
        for (const char* aplicacion : {"Números", "Lectura", "English Builder", "Visor/Álgebra"})
            EXPECT_TRUE(fs::is_directory(Nativa(instalacion) / aplicacion)) << aplicacion;
        EXPECT_FALSE(fs::exists(Nativa(instalacion) / "Visor/Visor"));
        EXPECT_FALSE(fs::exists(Nativa(instalacion) / "LogMV.txt"));
        EXPECT_FALSE(fs::exists(Nativa(instalacion) / "Utilerías/LogMV.txt"));
        for (const char* archivo : {"MVComunes.dll", "MVControles.ocx", "MVTextos.dat"})
            EXPECT_TRUE(fs::exists(windows / "System32" / archivo)) << archivo;
        EXPECT_THAT(
            procesos::BibliotecasRegistradas(),
            ::testing::UnorderedElementsAre(sistema32 + "MVComunes.dll", sistema32 + "MVControles.ocx"));
        EXPECT_TRUE(fs::exists(windows / "Fonts/DejaVuSans.ttf"));
        EXPECT_THAT(Diario(), ::testing::Contains(HasSubstr("AddFontResource")));
        bool hayImpresora = false;
        for (const auto& impresora : impresoras::Impresoras())
            if (impresora.nombre == "Mirvalo") {
                hayImpresora = true;
                EXPECT_EQ(impresora.puerto, sistema::Entorno("windir") + "\\PrintingMV\\PrinterOut.txt");
            }
        EXPECT_TRUE(hayImpresora);
        EXPECT_EQ(impresoras::Predeterminada(), "Microsoft Print to PDF");
        EXPECT_THAT(Diario(), ::testing::Contains(
                                  HasSubstr("SecurityFolder: RegistroPolicies \"Software\\Policies\"")));
        EXPECT_TRUE(registro::ExisteLaClave(registro::Rama::MaquinaLocal, "Software\\Policies"));
        for (int32_t carpeta : {csidl::Desktop, csidl::Programs, csidl::StartMenu, csidl::CommonStartMenu,
                                csidl::CommonPrograms})
            EXPECT_TRUE(fs::is_regular_file(*sistema::CarpetaEspecial(carpeta) /
                                            (std::string(NombreDeInstalacion) + ".lnk")))
                << carpeta;
    } else {
        EXPECT_FALSE(fs::exists(windows / "PrintingMV"));
        EXPECT_THAT(procesos::BibliotecasRegistradas(), IsEmpty());
    }

    // The final screen's button ends the run: the product starts, or the downloads folder opens.
    simulacion::Clic(final, instala ? "picBotonIniciarMirvalo" : "picBotonAbrirCarpetaInstalador");
    EXPECT_TRUE(simulacion::SeTerminoElProceso());
    if (instala) {
        EXPECT_TRUE(simulacion::EsperaHasta(
            [this] {
                for (const std::string& linea : Diario())
                    if (linea.find("CAMVLogIn: started") != std::string::npos) return true;
                return false;
            },
            std::chrono::seconds(10)));
    }

    std::vector<int> esperados = {100, 101, 102, 103, 104, 200, 201, 202, 203, 204, 300};
    esperados.insert(esperados.end(), modo.pasosDelModo.begin(), modo.pasosDelModo.end() - 1);
    esperados.insert(esperados.end(), {400, 401, 500, 501, 502, 503});
    if (instala) esperados.insert(esperados.end(), {600, 601, 602, 603, 604, 605, 606, 607});
    esperados.insert(esperados.end(), {700, modo.pasosDelModo.back()});
    EXPECT_THAT(CodigosReportados(), ElementsAreArray(esperados));
    for (const prueba::PasoReportado& paso : prueba::PasosReportados(sandbox_->Reportes())) {
        EXPECT_EQ(paso.status, 1) << paso;
        EXPECT_EQ(paso.idDescarga, 1) << paso;
    }
    EXPECT_THAT(prueba::FallosReportados(sandbox_->Reportes()), IsEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    LosTresModos, AsistenteCompleto,
    ::testing::Values(Modo{"InstallOnly", 1, "picBotonInstalar", {302, 304, 701}},
                      Modo{"DownloadOnly", 2, "picBotonDescargar", {301, 702}},
                      Modo{"DownloadAndInstall", 3, "picBotonDescargarEInstalar", {303, 304, 701}}),
    [](const ::testing::TestParamInfo<Modo>& info) { return info.param.nombre; });

}  // namespace
}  // namespace mirvalo
