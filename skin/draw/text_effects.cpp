#include "skin/draw/text_effects.h"

#include <cmath>

#include "image/bitmap_object.h"
#include "skin/draw/colour.h"

const char kDefaultTextFace[] = "宋体";

namespace {

constexpr int kLineLimit = 0x2000;          // StringFormatFlagsLineLimit
constexpr int kNoWrap = 0x1000;             // StringFormatFlagsNoWrap
constexpr int kTrimEllipsisCharacter = 3;   // StringTrimmingEllipsisCharacter
constexpr int kUnitWorld = 0;
constexpr int kInterpolationHighQualityBicubic = 7;
constexpr int kCompositingHighQuality = 2;
constexpr int kCompositingGammaCorrected = 3;
constexpr int kPixelOffsetNone = 3;
constexpr int kSmoothingAntiAlias = 4;
constexpr int kGlowShadowOpacity = 60;
constexpr int kOutlineOpacity = 150;
constexpr float kLargestBitmapSide = 16384.0f;

// Font and format shared by both renderers; face ends up naming the face used.
void PrepareText(Text* face, float size, int style, int alignment, int lineAlignment, bool wrap, bool ellipsis,
                 FontObject& font, StringFormatObject& format) {
    Text used = face && !face->empty() ? *face : Text(kDefaultTextFace);
    Font_CreateByName(font, used, size, style, kUnitWorld);
    if (face) *face = used;
    StringFormat_Create(format, kLineLimit, 0);
    if (ellipsis) StringFormat_SetTrimming(format, kTrimEllipsisCharacter);
    if (!wrap) StringFormat_SetFlags(format, kNoWrap | kLineLimit);
    StringFormat_SetAlignment(format, alignment);
    StringFormat_SetLineAlignment(format, lineAlignment);
}

// A bitmap side from a float: truncated, and 0 for anything that is not a usable size.
int Side(float value) {
    if (!(value >= 1.0f) || value > kLargestBitmapSide) return 0;
    return static_cast<int>(value);
}

// The text in glowColour, shrunk to a 1/blur bitmap and stretched back to width x height: a blurred halo.
BitmapObject MakeHalo(std::string_view text, const FontObject& font, const StringFormatObject& format,
                      COLORREF glowColour, int width, int height, float blur) {
    BitmapObject halo;
    const float smallWidth = static_cast<float>(width) / blur, smallHeight = static_cast<float>(height) / blur;
    const int sw = Side(smallWidth), sh = Side(smallHeight);
    if (!sw || !sh) return halo;

    BitmapObject source;
    if (!Bitmap_Create(source, width, height, kPixelFormat32bppArgb)) return halo;
    {
        GraphicsObject graphics;
        SolidBrushObject brush;
        Graphics_FromImage(graphics, source);
        SolidBrush_Create(brush, Color_ToArgb(glowColour));
        FloatRect box{0, 0, static_cast<float>(width), static_cast<float>(height)};
        Graphics_DrawString(graphics, text, font, brush, box, format);
    }
    BitmapObject shrunk;
    if (!Bitmap_Create(shrunk, sw, sh, kPixelFormat32bppArgb)) return halo;
    {
        GraphicsObject graphics;
        Graphics_FromImage(graphics, shrunk);
        Graphics_SetInterpolationMode(graphics, kInterpolationHighQualityBicubic);
        Graphics_SetCompositingQuality(graphics, kCompositingHighQuality);
        Graphics_SetPixelOffsetMode(graphics, kPixelOffsetNone);
        Graphics_DrawImageScaled(graphics, source, 0, 0, smallWidth, smallHeight);
    }
    source.Delete();
    if (!Bitmap_Create(halo, width, height, kPixelFormat32bppArgb)) return halo;
    {
        GraphicsObject graphics;
        Graphics_FromImage(graphics, halo);
        Graphics_SetCompositingQuality(graphics, kCompositingGammaCorrected);
        Graphics_SetInterpolationMode(graphics, kInterpolationHighQualityBicubic);
        Graphics_SetSmoothingMode(graphics, kSmoothingAntiAlias);
        Graphics_DrawImageScaled(graphics, shrunk, 1, 1, static_cast<float>(width), static_cast<float>(height));
    }
    return halo;
}

}  // namespace

void Text_DrawGlow(GraphicsObject& graphics, std::string_view text, const FloatRect& layout, COLORREF textColour,
                   COLORREF glowColour, float blur, Text* face, int style, float size, int alignment,
                   int lineAlignment, bool wrap, bool ellipsis) {
    FontObject font;
    StringFormatObject format;
    PrepareText(face, size, style, alignment, lineAlignment, wrap, ellipsis, font, format);
    if (!(blur > 0.0f)) blur = 4.0f;
    if (blur < 1.0f) blur = 1.0f;  // a divisor below 1 would enlarge the halo bitmap instead of blurring it

    const int width = Side(layout.width), height = Side(layout.height);
    if (!width || !height) return;
    const float w = static_cast<float>(width), h = static_cast<float>(height);
    const float x = layout.x, y = layout.y;

    BitmapObject halo = MakeHalo(text, font, format, glowColour, width, height, blur);
    if (halo) Graphics_DrawImage(graphics, halo, x, y);
    halo.Delete();

    SolidBrushObject shadow;
    SolidBrush_Create(shadow, Color_ToArgb(glowColour, kGlowShadowOpacity));
    const FloatPoint shadowAt[] = {{x, y + 1}, {x + 2, y + 1}, {x + 1, y}, {x + 1, y + 2}};
    for (const FloatPoint& at : shadowAt) Graphics_DrawString(graphics, text, font, shadow, {at.x, at.y, w, h}, format);

    SolidBrushObject brush;
    SolidBrush_Create(brush, Color_ToArgb(textColour));
    Graphics_DrawString(graphics, text, font, brush, {x + 1, y + 1, w, h}, format);
}

void Text_DrawOutlined(GraphicsObject& graphics, std::string_view text, const FloatRect& layout,
                       COLORREF textColour, COLORREF outlineColour, float offset, Text* face, int style, float size,
                       int alignment, int lineAlignment, bool wrap, bool ellipsis) {
    FontObject font;
    StringFormatObject format;
    PrepareText(face, size, style, alignment, lineAlignment, wrap, ellipsis, font, format);

    SolidBrushObject outline;
    SolidBrush_Create(outline, Color_ToArgb(outlineColour, kOutlineOpacity));
    const float x = layout.x, y = layout.y, w = layout.width, h = layout.height, o = offset;
    const FloatRect copies[] = {{x + o, y, w, h}, {x - o, y, w, h}, {x, y + o, w, h}, {x, y - o, w, h}};
    for (const FloatRect& box : copies) Graphics_DrawString(graphics, text, font, outline, box, format);

    SolidBrushObject brush;
    SolidBrush_Create(brush, Color_ToArgb(textColour));
    Graphics_DrawString(graphics, text, font, brush, layout, format);
}
