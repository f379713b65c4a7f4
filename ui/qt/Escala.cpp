#include "ui/qt/Escala.h"

#include <QGuiApplication>
#include <QScreen>
#include <algorithm>
#include <cmath>

namespace mirvalo::detalle {

double PixelesPorPulgada() {
    if (auto* pantalla = QGuiApplication::primaryScreen()) return pantalla->logicalDotsPerInchX();
    return 96.0;
}

int APixeles(double twips) {
    return static_cast<int>(std::lround(twips * PixelesPorTwip()));
}

QRect RectanguloEnPixeles(double left, double top, double width, double height) {
    const int x = APixeles(left);
    const int y = APixeles(top);
    const int derecha = APixeles(left + width);
    const int abajo = APixeles(top + height);
    return QRect(x, y, std::max(0, derecha - x), std::max(0, abajo - y));
}

}  // namespace mirvalo::detalle
