#include "skin/painters/basic/arrow_glyphs.h"

bool Glyph_MakeArrow(ArrowGlyph kind, BitmapObject& bitmap) {
    constexpr int kLong = 7, kShort = 4;
    const bool vertical = kind == ArrowGlyph::kUp || kind == ArrowGlyph::kDown;
    if (!Bitmap_Create(bitmap, vertical ? kLong : kShort, vertical ? kShort : kLong, kPixelFormat32bppArgb))
        return false;
    // Step i from the point holds 2i + 1 pixels centred on the middle line.
    for (int step = 0; step < kShort; ++step) {
        const bool pointFirst = kind == ArrowGlyph::kUp || kind == ArrowGlyph::kLeft;
        const int line = pointFirst ? step : kShort - 1 - step;
        for (int across = 3 - step; across <= 3 + step; ++across) {
            if (vertical) {
                Bitmap_SetPixel(bitmap, across, line, kArrowGlyphColour);
            } else {
                Bitmap_SetPixel(bitmap, line, across, kArrowGlyphColour);
            }
        }
    }
    return true;
}
