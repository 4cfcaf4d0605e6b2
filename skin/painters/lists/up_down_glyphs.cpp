#include "skin/painters/lists/up_down_glyphs.h"

#include <cstdlib>

bool UpDown_MakeGlyph(UpDownGlyph glyph, BitmapObject& bitmap) {
    constexpr int kBase = 7, kDepth = 4;
    constexpr Argb kBlack = 0xFF000000;
    const bool sideways = glyph == UpDownGlyph::kLeft || glyph == UpDownGlyph::kRight;
    if (!Bitmap_Create(bitmap, sideways ? kDepth : kBase, sideways ? kBase : kDepth, kPixelFormat32bppArgb)) {
        return false;
    }
    // Row (or column) i from the tip holds 2i + 1 pixels, centred on the base's middle.
    const bool tipFirst = glyph == UpDownGlyph::kUp || glyph == UpDownGlyph::kLeft;
    for (int depth = 0; depth < kDepth; ++depth) {
        const int fromTip = tipFirst ? depth : kDepth - 1 - depth;
        for (int along = 0; along < kBase; ++along) {
            if (std::abs(along - kBase / 2) > fromTip) continue;
            if (!(sideways ? Bitmap_SetPixel(bitmap, depth, along, kBlack)
                           : Bitmap_SetPixel(bitmap, along, depth, kBlack))) {
                return false;
            }
        }
    }
    return true;
}
