#include "ui/Aplicacion.h"

#include <QApplication>
#include <QFont>
#include <QFontDatabase>
#include <algorithm>

#include "platform/Error.h"
#include "platform/Eventos.h"
#include "ui/Ventana.h"
#include "ui/qt/BombaDeEventos.h"
#include "ui/qt/Registro.h"

namespace mirvalo {

namespace {
bool existe = false;

// The wizard's font is "Segoe UI". Where it is not installed, Open Sans (installed by the set-up
// script) stands in, under the same family name, so screens and measures keep asking for it.
void SustituyeLaFuenteQueFalte() {
    const QString pedida = QStringLiteral("Segoe UI");
    if (!QFontDatabase::families().contains(pedida, Qt::CaseInsensitive))
        QFont::insertSubstitutions(pedida, {QStringLiteral("Open Sans"), QStringLiteral("DejaVu Sans")});
}
}  // namespace

struct Aplicacion::Estado {
    std::unique_ptr<QApplication> aplicacion;
};

Aplicacion::Aplicacion(int& argc, char** argv) : estado_(std::make_unique<Estado>()) {
    if (QCoreApplication::instance()) throw Error::Estandar(errores::LlamadaNoValida, "Aplicacion");
    estado_->aplicacion = std::make_unique<QApplication>(argc, argv);
    // The process ends when the last wizard window closes, as the forms layer decides, not the toolkit.
    estado_->aplicacion->setQuitOnLastWindowClosed(false);
    SustituyeLaFuenteQueFalte();
    QFont fuente(QStringLiteral("Segoe UI"));
    fuente.setPointSizeF(9.75);
    QApplication::setFont(fuente);
    EstableceBombaDeEventos(detalle::BombeaEventos);
    existe = true;
}

Aplicacion::~Aplicacion() {
    EstableceBombaDeEventos(nullptr);
    existe = false;
}

int Aplicacion::Ejecuta() {
    const auto ventanas = detalle::Ventanas();
    if (std::none_of(ventanas.begin(), ventanas.end(), [](Ventana* v) { return v->Visible(); })) return 0;
    detalle::BucleEnMarcha(true);
    const int codigo = QApplication::exec();
    detalle::BucleEnMarcha(false);
    return codigo;
}

bool Aplicacion::Existe() {
    return existe;
}

}  // namespace mirvalo
