#include "forms/twips.h"

namespace forms {

namespace {
double twipsX = 15, twipsY = 15;
} // namespace

void SetTwipsPerPixel(double x, double y) {
    if (x > 0) twipsX = x;
    if (y > 0) twipsY = y;
}

double TwipsPerPixelX() {
    return twipsX;
}
double TwipsPerPixelY() {
    return twipsY;
}

} // namespace forms
