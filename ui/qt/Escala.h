#pragma once
#include <QRect>

namespace mirvalo::detalle {

// Twips (1/1440 inch) and pixels, from the primary screen's logical resolution (96 dots per inch
// when there is no screen).
double PixelesPorPulgada();
inline double PixelesPorTwip() {
    return PixelesPorPulgada() / 1440.0;
}
inline double TwipsPorPixel() {
    return 1440.0 / PixelesPorPulgada();
}
int APixeles(double twips);
// A rectangle in twips as pixels; each edge is rounded on its own, so boxes laid side by side in
// twips neither overlap nor leave a gap in pixels.
QRect RectanguloEnPixeles(double left, double top, double width, double height);

}  // namespace mirvalo::detalle
