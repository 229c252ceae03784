#pragma once
// The screen's twips per pixel (15 in both directions by default, 12 with large fonts). Form sizes
// given in twips and font sizes in points become pixels with these.

namespace forms {

void SetTwipsPerPixel(double x, double y); // values of 0 or less are ignored
double TwipsPerPixelX();
double TwipsPerPixelY();

} // namespace forms
