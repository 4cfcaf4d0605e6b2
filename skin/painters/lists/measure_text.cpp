// Text widths for painters that lay out text themselves, measured with GDI+ the way they draw it.
#include "image/font_object.h"
#include "image/graphics_object.h"
#include "skin/painters/lists/header_painter.h"
#include "toolkit/gdi_handle.h"

int Skin_MeasureTextWidth(std::string_view text, std::string_view fontName, int fontSize, int fontStyle) {
    MemoryDc dc;
    GraphicsObject graphics;
    FontObject font;
    if (!dc.get() || !Graphics_FromDC(graphics, dc.get())) return 0;
    if (!Font_CreateByName(font, fontName, static_cast<float>(fontSize), fontStyle, 0)) return 0;
    FloatRect bounds;
    Graphics_MeasureString(graphics, text, font, FloatRect{}, StringFormatObject{}, bounds);
    return static_cast<int>(bounds.width) + 1;
}
