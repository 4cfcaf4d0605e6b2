// Drawing a label: its text, plain or glowing, over the skin background behind it.
#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/draw/text_effects.h"
#include "skin/painters/basic/label_painter.h"

namespace {

constexpr int kUnitWorld = 0;
constexpr int kLineLimit = 0x2000;  // StringFormatFlagsLineLimit
constexpr int kNoWrap = 0x1000;     // StringFormatFlagsNoWrap
constexpr float kGlowBlur = 4.0f;

void DrawText(GraphicsObject& graphics, const LabelEntry& entry, std::string_view text, const FloatRect& layout) {
    if (entry.hasGlow == 1) {
        Text face = entry.fontName;
        Text_DrawGlow(graphics, text, layout, static_cast<COLORREF>(entry.textColour),
                      static_cast<COLORREF>(entry.glowColour), kGlowBlur, &face, entry.fontStyle,
                      static_cast<float>(entry.fontSize), entry.alignment, entry.lineAlignment, entry.wrap == 1,
                      false);
        return;
    }
    FontObject font;
    StringFormatObject format;
    SolidBrushObject brush;
    Font_CreateByName(font, entry.fontName, static_cast<float>(entry.fontSize), entry.fontStyle, kUnitWorld);
    StringFormat_Create(format, kLineLimit);
    if (entry.wrap == 0) StringFormat_SetFlags(format, kLineLimit | kNoWrap);
    StringFormat_SetAlignment(format, entry.alignment);
    StringFormat_SetLineAlignment(format, entry.lineAlignment);
    SolidBrush_Create(brush, Color_ToArgb(static_cast<COLORREF>(entry.textColour)));
    Graphics_DrawString(graphics, text, font, brush, layout, format);
}

}  // namespace

void Label_Paint(HWND window, std::optional<std::string_view> text) {
    if (!Skin_ControlEntry(window, &WindowSkinRecord::labels)) return;
    const Text shown = text ? Text(*text) : Window_GetText(window);
    const LabelEntry* entry = Skin_ControlEntry(window, &WindowSkinRecord::labels);
    if (!entry) return;
    RECT area;
    GetClientRect(window, &area);
    const int width = area.right, height = area.bottom;
    HDC picture = Skin_SnapshotBackground(window, area);
    if (!picture) return;
    {
        GraphicsObject graphics;
        Graphics_FromDC(graphics, picture);
        const FloatRect layout{-2, 0, static_cast<float>(width + 8), static_cast<float>(height)};
        DrawText(graphics, *entry, shown, layout);
    }
    Skin_PresentControl(window, picture);
    if (HDC dc = Dc_ExcludeChildren(window)) {
        BitBlt(dc, 0, 0, width, height, picture, 0, 0, SRCCOPY);
        ReleaseDC(window, dc);
    }
    MemDc_Release(picture);
    if (LabelEntry* painted = Skin_ControlEntry(window, &WindowSkinRecord::labels)) painted->dirty = 0;
}
