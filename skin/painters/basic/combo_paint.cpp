// A combo box's look: a veiled box with a one-pixel border and a rounded drop-down button; its edit field (or the
// list of a simple combo box) is keyed out in magenta so the system's own drawing stays on screen.
#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/draw/round_rect_path.h"
#include "skin/painters/basic/arrow_glyphs.h"
#include "skin/painters/basic/edit_combo.h"
#include "skin/painters/basic/text_colour.h"
#include "toolkit/gdi_handle.h"

#include <string>

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kCombineReplace = 0;
constexpr char kComboFace[] = "宋体";
constexpr float kComboFontSize = 12.0f;
constexpr int kUnitWorld = 0;

void FillRect(GraphicsObject& graphics, Argb colour, float x, float y, float width, float height) {
    SolidBrushObject brush;
    if (SolidBrush_Create(brush, colour)) Graphics_FillRectangle(graphics, brush, x, y, width, height);
}

// Keys out the edit field (and a simple combo box's list); a list window is keyed 2 pixels inside its edges.
void KeyOutChildren(GraphicsObject& graphics, HWND combo, LONG_PTR style) {
    RECT self{};
    GetWindowRect(combo, &self);
    for (HWND child = FindWindowExW(combo, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(combo, child, nullptr, nullptr)) {
        RECT r{};
        GetWindowRect(child, &r);
        OffsetRect(&r, -self.left, -self.top);
        if (lstrcmpiA(Window_GetClassName(child).c_str(), "ComboLBox") == 0) InflateRect(&r, -2, -2);
        const float x = static_cast<float>(r.left), y = static_cast<float>(r.top);
        const float w = static_cast<float>(r.right - r.left), h = static_cast<float>(r.bottom - r.top);
        Graphics_ClipToRectangle(graphics, x, y, w, h, kCombineReplace);
        FillRect(graphics, Color_ToArgb(kEditComboKey), x, y, w, h);
        Graphics_ResetClip(graphics);
        if (!(style & CBS_SIMPLE)) break;  // a drop-down combo box keys its first child only
    }
}

void DrawButton(GraphicsObject& graphics, const RECT& button, bool hovered) {
    const COLORREF theme = Skin_State().themeColour;
    const float bl = static_cast<float>(button.left), bt = static_cast<float>(button.top);
    const int bw = button.right - button.left, bh = button.bottom - button.top;
    PathObject outline;
    PenObject pen;
    if (Path_Create(outline) && Pen_Create(pen, hovered ? Color_ToArgb(theme, 200) : Color_ToArgb(0, 80), 1.0f,
                                           kUnitPixel)) {
        Path_AddRoundRect(outline, bl, bt, static_cast<float>(bw - 1), static_cast<float>(bh - 1), 4);
        Graphics_DrawPath(graphics, pen, outline);
    }
    PathObject face;
    LinearGradientBrushObject gradient;
    const Argb from = hovered ? Color_ToArgb(kWhite, 100) : Color_ToArgb(theme, 30);
    const Argb to = hovered ? Color_ToArgb(theme, 150) : Color_ToArgb(theme, 100);
    if (Path_Create(face) && LinearBrush_Create(gradient, {bl + 1, bt}, {bl + 1, bt + static_cast<float>(bh - 2)},
                                                from, to)) {
        Path_AddRoundRect(face, bl + 1, bt + 1, static_cast<float>(bw - 2), static_cast<float>(bh - 2), 1);
        Graphics_FillPath(graphics, gradient, face);
    }
    BitmapObject glyph;
    if (Glyph_MakeArrow(ArrowGlyph::kDown, glyph)) {
        const int gw = static_cast<int>(Image_Width(glyph)), gh = static_cast<int>(Image_Height(glyph));
        Graphics_DrawImage(graphics, glyph, static_cast<float>(button.left + (bw - gw) / 2),
                           static_cast<float>(button.top + (bh - gh) / 2));
    }
}

// A drop-down list shows its selected text itself, always in the same face and size.
void DrawSelectedText(GraphicsObject& graphics, HWND combo, int w, int h) {
    const Text text = Window_GetText(combo);
    if (text.empty()) return;
    FontObject font;
    SolidBrushObject brush;
    StringFormatObject noFormat;
    if (!Font_CreateByName(font, kComboFace, kComboFontSize, 0, kUnitWorld)) return;
    if (!SolidBrush_Create(brush, Color_ToArgb(Control_TextColour(combo)))) return;
    const FloatRect layout{2, static_cast<float>((h - 12) / 2), static_cast<float>(w - 17), static_cast<float>(h - 4)};
    Graphics_DrawString(graphics, text, font, brush, layout, noFormat);
}

}  // namespace

void Combo_Paint(HWND combo, std::optional<bool> hovered, std::optional<bool> focused) {
    if (!focused) {
        const ComboEntry* entry = Skin_ControlEntry(combo, &WindowSkinRecord::comboBoxes);
        focused = entry && entry->focused;
    }
    const bool hover = hovered.value_or(false);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    const LONG_PTR style = GetWindowLongPtrW(combo, GWL_STYLE);
    RECT self{};
    GetWindowRect(combo, &self);
    const int w = self.right - self.left, h = self.bottom - self.top;
    HDC dc = Skin_SnapshotBackground(combo, RECT{0, 0, w, h});
    if (!dc) return;
    {
        GraphicsObject graphics;
        if (Graphics_FromDC(graphics, dc)) {
            const SkinState& state = Skin_State();
            const Argb veil = state.translucentControls == 1 ? Color_ToArgb(kWhite, state.controlFillAlpha)
                                                              : Color_ToArgb(kWhite);
            FillRect(graphics, veil, 0, 0, static_cast<float>(w), static_cast<float>(h));
            KeyOutChildren(graphics, combo, style);
            PenObject border;
            const Argb borderColour = hover || *focused ? Color_ToArgb(state.themeColour, 200) : Color_ToArgb(0, 80);
            if (Pen_Create(border, borderColour, 1.0f, kUnitPixel))
                Graphics_DrawRectangle(graphics, border, 0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1));
            if (style & CBS_DROPDOWN) {
                DrawButton(graphics, info.rcButton, hover);
                if ((style & CBS_DROPDOWNLIST) == CBS_DROPDOWNLIST) DrawSelectedText(graphics, combo, w, h);
            }
        }
    }
    if (WindowDc target(combo, DcArea::kWholeWindow); target.get()) {
        TransparentBlt(target.get(), 0, 0, w, h, dc, 0, 0, w, h, kEditComboKey);
    }
    Skin_PresentControlKeyed(combo, dc, kEditComboKey);
    MemDc_Release(dc);
}
