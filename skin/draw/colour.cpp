#include "skin/draw/colour.h"

Argb Color_ToArgb(COLORREF colour, std::optional<int> opacity) {
    const Argb alpha = opacity ? static_cast<Argb>(*opacity & 0xFF) : 0xFFu;
    const Argb red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
    return (alpha << 24) | (red << 16) | (green << 8) | blue;
}

COLORREF Color_FromArgb(Argb argb, int* alpha) {
    if (alpha) *alpha = static_cast<int>((argb >> 24) & 0xFF);
    return RGB((argb >> 16) & 0xFF, (argb >> 8) & 0xFF, argb & 0xFF);
}
