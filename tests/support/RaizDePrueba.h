#pragma once
#include <gtest/gtest.h>
#include <stdlib.h>

#include <chrono>
#include <filesystem>
#include <string>
#include <thread>

#include "support/ArchivosDePrueba.h"

namespace mirvalo::prueba {

// A fresh, empty system root for one test, removed afterwards. The Windows variables and the
// desktop session are cleared, so nothing of the developer's own environment leaks in.
class RaizDePrueba : public ::testing::Test {
protected:
    void SetUp() override {
        std::string plantilla = (std::filesystem::temp_directory_path() / "mirvalo-raiz-XXXXXX").string();
        ASSERT_NE(mkdtemp(plantilla.data()), nullptr);
        raiz_ = plantilla;
        setenv("MIRVALO_SYSTEM_ROOT", raiz_.c_str(), 1);
        for (const char* variable : {"ProgramFiles", "ProgramFiles(x86)", "windir", "SystemRoot",
                                     "USERPROFILE", "APPDATA", "LOCALAPPDATA", "ProgramData", "PUBLIC",
                                     "TEMP", "TMP", "DISPLAY", "WAYLAND_DISPLAY", "MIRVALO_DISM_EXIT_CODE"})
            unsetenv(variable);
    }
    void TearDown() override {
        std::error_code error;
        std::filesystem::remove_all(raiz_, error);
    }

    static std::string Lee(const std::filesystem::path& ruta) { return LeeElArchivo(ruta); }
    static void Escribe(const std::filesystem::path& ruta, const std::string& texto) {
        EscribeElArchivo(ruta, texto);
    }
    std::string Diario() const { return Lee(raiz_ / "journal.log"); }

    // For what a child process does on its own time: true as soon as the file exists. The limit
    // only keeps a broken test from hanging; a passing run never comes near it.
    static bool AparecePronto(const std::filesystem::path& ruta) {
        for (int intento = 0; intento < 1000; ++intento) {
            if (std::filesystem::exists(ruta)) return true;
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return false;
    }

    std::filesystem::path raiz_;
};

}  // namespace mirvalo::prueba
