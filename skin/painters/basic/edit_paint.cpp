// An edit box's frame ring, border and veiled background.
#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/painters/basic/edit_combo.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr int kCombineReplace = 0, kCombineXor = 3;

RECT WindowSize(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return {0, 0, r.right - r.left, r.bottom - r.top};
}

void DrawRect(GraphicsObject& graphics, Argb colour, float x, float y, float width, float height) {
    PenObject pen;
    if (Pen_Create(pen, colour, 1.0f, kUnitPixel)) Graphics_DrawRectangle(graphics, pen, x, y, width, height);
}

void FillAll(GraphicsObject& graphics, Argb colour, float width, float height) {
    SolidBrushObject brush;
    if (SolidBrush_Create(brush, colour)) Graphics_FillRectangle(graphics, brush, 0, 0, width, height);
}

Argb Veil() {
    const SkinState& state = Skin_State();
    return state.translucentControls == 1 ? Color_ToArgb(kWhite, state.controlFillAlpha) : Color_ToArgb(kWhite);
}

}  // namespace

void Edit_DrawBorder(HWND edit, bool focused, bool hovered, GraphicsObject& graphics) {
    const RECT size = WindowSize(edit);
    const float w = static_cast<float>(size.right), h = static_cast<float>(size.bottom);
    const COLORREF theme = Skin_State().themeColour;
    if (hovered && Window_BorderKind(edit) == 2) {
        DrawRect(graphics, Color_ToArgb(kWhite, 60), 0, 0, w - 1, h - 1);
        DrawRect(graphics, Color_ToArgb(theme, 90), 0, 0, w - 1, h - 1);
        DrawRect(graphics, Color_ToArgb(theme, 180), 1, 1, w - 3, h - 3);
    } else {
        DrawRect(graphics, focused ? Color_ToArgb(theme, 180) : Color_ToArgb(0, 80), 0, 0, w - 1, h - 1);
    }
}

void Edit_PaintFrame(HWND edit, std::optional<bool> focused, std::optional<bool> hovered) {
    if (!focused) {
        const EditEntry* entry = Skin_ControlEntry(edit, &WindowSkinRecord::editBoxes);
        focused = entry && entry->focused;
    }
    const RECT size = WindowSize(edit);
    const int w = size.right, h = size.bottom;
    const RECT c = Window_ClientRectInWindow(edit);
    HDC dc = Skin_SnapshotBackground(edit, size);
    if (!dc) return;
    {
        GraphicsObject graphics;
        if (Graphics_FromDC(graphics, dc)) {
            // Only the ring outside the client area is painted; the system draws the inside.
            Graphics_ClipToRectangle(graphics, 0, 0, static_cast<float>(w), static_cast<float>(h), kCombineReplace);
            Graphics_ClipToRectangle(graphics, static_cast<float>(c.left), static_cast<float>(c.top),
                                     static_cast<float>(c.right - c.left), static_cast<float>(c.bottom - c.top),
                                     kCombineXor);
            FillAll(graphics, Veil(), static_cast<float>(w), static_cast<float>(h));
            if (Window_BorderKind(edit) != 0) Edit_DrawBorder(edit, *focused, hovered.value_or(false), graphics);
        }
    }
    if (WindowDc target(edit, DcArea::kWholeWindow); target.get()) {
        ExcludeClipRect(target.get(), c.left, c.top, c.right, c.bottom);
        BitBlt(target.get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    }
    Skin_PresentControlKeyed(edit, dc, kEditComboKey);
    MemDc_Release(dc);
}

void Edit_PaintBackground(HWND edit, HDC dc, bool intoDc) {
    const RECT c = Window_ClientRectInWindow(edit);
    const int width = c.right - c.left, height = c.bottom - c.top;
    HDC background = Skin_SnapshotBackground(edit, c);
    if (!background) return;
    {
        GraphicsObject graphics;
        SolidBrushObject veil;
        if (Graphics_FromDC(graphics, background) &&
            SolidBrush_Create(veil, Color_ToArgb(kWhite, Skin_State().controlFillAlpha))) {
            Graphics_FillRectangle(graphics, veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
        }
    }
    if (intoDc) {
        if (dc) BitBlt(dc, 0, 0, width, height, background, 0, 0, SRCCOPY);
    } else if (WindowDc target(edit, DcArea::kWholeWindow); target.get()) {
        BitBlt(target.get(), c.left, c.top, width, height, background, 0, 0, SRCCOPY);
    }
    MemDc_Release(background);
}
