#include "platform/AlmacenVirtual.h"

#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <functional>

#include "platform/Error.h"
#include "platform/SistemaRaiz.h"
#include "support/RaizDePrueba.h"

namespace mirvalo::almacen_virtual {
namespace {

namespace fs = std::filesystem;

class AlmacenVirtual : public prueba::RaizDePrueba {
protected:
    void SetUp() override {
        RaizDePrueba::SetUp();
        // The product's folder in the store, as the step forms it: with a trailing backslash.
        nativa_ = sistema::RutaNativa(Carpeta() + "\\Program Files (x86)\\Mirvalo Escuela Local");
        carpeta_ = Carpeta() + "\\Program Files (x86)\\Mirvalo Escuela Local\\";
        fs::create_directories(nativa_);
    }
    static void Archivo(const fs::path& ruta) {
        fs::create_directories(ruta.parent_path());
        std::ofstream(ruta) << "x";
    }
    static void SoloLectura(const fs::path& ruta) {
        fs::permissions(ruta, fs::perms::owner_write | fs::perms::group_write | fs::perms::others_write,
                        fs::perm_options::remove);
    }
    static int32_t ErrorDe(const std::function<void()>& operacion) {
        try {
            operacion();
        } catch (const Error& error) {
            return error.Numero();
        }
        return 0;
    }

    std::string carpeta_;
    fs::path nativa_;
};

TEST_F(AlmacenVirtual, WritesUnderProgramFilesAreVirtualizedOthersAreNot) {
    EXPECT_EQ(RutaVirtualizada("C:\\Program Files (x86)\\Mirvalo Escuela Local\\MV.ini"),
              carpeta_ + "MV.ini");
    EXPECT_EQ(RutaVirtualizada(sistema::Entorno("windir") + "\\win.ini"), Carpeta() + "\\Windows\\win.ini");
    EXPECT_EQ(RutaVirtualizada(sistema::Entorno("USERPROFILE") + "\\Documents\\a.txt"), "");
    EXPECT_EQ(RutaVirtualizada("relativa\\a.txt"), "");
}

TEST_F(AlmacenVirtual, StarDotStarDeletesEveryFileDirectlyInsideAndNoFolder) {
    Archivo(nativa_ / "MV.ini");
    Archivo(nativa_ / "LEEME");  // no extension: matched all the same
    Archivo(nativa_ / "Datos/a.mdb");

    EliminaArchivos(carpeta_ + "*.*");
    EXPECT_FALSE(fs::exists(nativa_ / "MV.ini"));
    EXPECT_FALSE(fs::exists(nativa_ / "LEEME"));
    EXPECT_TRUE(fs::exists(nativa_ / "Datos/a.mdb"));
}

TEST_F(AlmacenVirtual, PatternsIgnoreLetterCase) {
    for (const char* nombre : {"a1.DAT", "a22.dat", "b1.dat", "A2.txt"}) Archivo(nativa_ / nombre);
    EliminaArchivos(carpeta_ + "a?.dat");
    EXPECT_FALSE(fs::exists(nativa_ / "a1.DAT"));
    EXPECT_TRUE(fs::exists(nativa_ / "a22.dat"));
    EXPECT_TRUE(fs::exists(nativa_ / "b1.dat"));
    EXPECT_TRUE(fs::exists(nativa_ / "A2.txt"));
}

TEST_F(AlmacenVirtual, FileDeletionFailsLikeTheRuntime) {
    // A folder holding only subfolders has nothing for "*.*": that is a failure, and nothing goes.
    fs::create_directories(nativa_ / "Datos");
    EXPECT_EQ(ErrorDe([&] { EliminaArchivos(carpeta_ + "*.*"); }), errores::ArchivoNoEncontrado);
    EXPECT_TRUE(fs::exists(nativa_ / "Datos"));

    EXPECT_EQ(ErrorDe([&] { EliminaArchivos(Carpeta() + "\\Program Files\\Nada\\*.*"); }),
              errores::RutaNoEncontrada);

    // In name order: the file before the read-only one is gone, the one after it stays.
    Archivo(nativa_ / "a.ini");
    Archivo(nativa_ / "b.ini");
    Archivo(nativa_ / "c.ini");
    SoloLectura(nativa_ / "b.ini");
    EXPECT_EQ(ErrorDe([&] { EliminaArchivos(carpeta_ + "*.*"); }), errores::ErrorDeAccesoARuta);
    EXPECT_FALSE(fs::exists(nativa_ / "a.ini"));
    EXPECT_TRUE(fs::exists(nativa_ / "b.ini"));
    EXPECT_TRUE(fs::exists(nativa_ / "c.ini"));
}

TEST_F(AlmacenVirtual, DeletesTheFolderWithEverythingInIt) {
    Archivo(nativa_ / "MV.ini");
    Archivo(nativa_ / "Datos/Fotos/a.jpg");
    fs::create_directories(nativa_ / "Vacia");

    EliminaCarpeta(carpeta_);
    EXPECT_FALSE(fs::exists(nativa_));
    EXPECT_TRUE(fs::exists(nativa_.parent_path()));
    EXPECT_EQ(ErrorDe([&] { EliminaCarpeta(carpeta_); }), errores::RutaNoEncontrada);
}

TEST_F(AlmacenVirtual, AReadOnlyFileStopsTheFolderDeletion) {
    Archivo(nativa_ / "a.ini");
    Archivo(nativa_ / "Datos/b.mdb");
    SoloLectura(nativa_ / "Datos/b.mdb");

    EXPECT_EQ(ErrorDe([&] { EliminaCarpeta(carpeta_); }), errores::PermisoDenegado);
    EXPECT_FALSE(fs::exists(nativa_ / "a.ini"));  // files first: already gone
    EXPECT_TRUE(fs::exists(nativa_ / "Datos/b.mdb"));
}

TEST_F(AlmacenVirtual, NothingOutsideTheSystemRootIsDeleted) {
    const fs::path fuera = raiz_.string() + "-fuera";
    Archivo(fuera / "importante.txt");
    fs::create_directory_symlink(fuera, nativa_ / "enlace");

    EXPECT_EQ(ErrorDe([&] { EliminaCarpeta(fuera.string()); }), errores::PermisoDenegado);
    EXPECT_EQ(ErrorDe([&] { EliminaArchivos((fuera / "*.*").string()); }), errores::PermisoDenegado);
    EXPECT_EQ(ErrorDe([&] { EliminaCarpeta(carpeta_ + "enlace"); }), errores::PermisoDenegado);
    EXPECT_EQ(ErrorDe([&] { EliminaCarpeta("C:\\"); }), errores::PermisoDenegado);  // the root itself

    EliminaCarpeta(carpeta_);  // the link inside goes, never what it points to
    EXPECT_FALSE(fs::exists(nativa_));
    EXPECT_TRUE(fs::exists(fuera / "importante.txt"));
    fs::remove_all(fuera);
}

}  // namespace
}  // namespace mirvalo::almacen_virtual
