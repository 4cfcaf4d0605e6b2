// The check box glyph recoloured to the theme colour: every pixel that is not transparent white takes the theme
// colour scaled by its own channels, and an opacity that grows as the pixel gets darker.
#include "image/bitmap_object.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/painters/basic/button_painter.h"

Bytes Button_MakeCheckGlyph() {
    BitmapObject glyph;
    if (!Bitmap_LoadFromBytes(glyph, ByteView(kCheckGlyphPng, kCheckGlyphPngSize))) return {};
    const COLORREF theme = Skin_State().themeColour;
    const unsigned tr = GetRValue(theme), tg = GetGValue(theme), tb = GetBValue(theme);
    for (int x = 0; x < kCheckGlyphWidth; ++x) {
        for (int y = 0; y < kCheckGlyphHeight; ++y) {
            const COLORREF pixel = Color_FromArgb(Bitmap_GetPixel(glyph, x, y));
            if (pixel == 0xFFFFFF) continue;
            const unsigned r = GetRValue(pixel), g = GetGValue(pixel), b = GetBValue(pixel);
            const int grey = static_cast<int>((r + g + b) / 3);
            const COLORREF tinted = RGB(tr * r / 255, tg * g / 255, tb * b / 255);
            Bitmap_SetPixel(glyph, x, y, Color_ToArgb(tinted, 255 - grey));
        }
    }
    return Image_SaveToBytes(glyph, kImageFormatPng);
}
