#pragma once
#include <QColor>
#include <QString>
#include <string>
#include <string_view>

#include "ui/Color.h"

namespace mirvalo::detalle {

inline QString AQString(std::string_view utf8) {
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
}
inline std::string DesdeQString(const QString& texto) {
    return texto.toUtf8().toStdString();
}
// A caption as the toolkit shows it: "\r\n" line breaks become "\n".
inline QString TextoMostrado(std::string_view utf8) {
    QString texto = AQString(utf8);
    texto.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
    texto.replace(QChar('\r'), QChar('\n'));
    return texto;
}

inline QColor AQColor(Color color) {
    const Color real = ColorReal(color);
    return QColor(Rojo(real), Verde(real), Azul(real));
}
inline Color DesdeQRgb(unsigned int rgb) {
    return RGB((rgb >> 16) & 0xFF, (rgb >> 8) & 0xFF, rgb & 0xFF);
}

}  // namespace mirvalo::detalle
