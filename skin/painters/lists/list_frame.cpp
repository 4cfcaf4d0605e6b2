// The frame ring of a list control: the skin's control background around the client area with a thin border
// line that tells hover and focus apart. Painted in the non-client area only; the client area stays keyed out.
#include "image/graphics_object.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/painters/lists/list_painter.h"
#include "skin/painters/lists/list_parts.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr COLORREF kColourKey = 0xFF00FF;
constexpr int kCombineReplace = 0;
constexpr int kCombineExclude = 4;

// Fills with the key colour through GDI: the key must match colour-keyed copies exactly, and GDI+ would leave an
// alpha byte in the pixels of a 32-bit picture that such copies compare too.
void FillKey(HDC dc, const RECT& area) {
    BrushHandle key(CreateSolidBrush(kColourKey));
    FillRect(dc, &area, key.get());
}

// The ring around the client area (already keyed out) and the border line.
void PaintRing(HWND control, GraphicsObject& graphics, int width, int height, bool hovered, bool focused) {
    const SkinState& state = Skin_State();
    const RECT client = Window_ClientRectInWindow(control);
    const float w = static_cast<float>(width), h = static_cast<float>(height);

    Graphics_ClipToRectangle(graphics, 0, 0, w, h, kCombineReplace);
    Graphics_ClipToRectangle(graphics, static_cast<float>(client.left), static_cast<float>(client.top),
                             static_cast<float>(client.right - client.left),
                             static_cast<float>(client.bottom - client.top), kCombineExclude);
    if (state.translucentControls) {
        SolidBrushObject veil;
        SolidBrush_Create(veil, Color_ToArgb(RGB(255, 255, 255), state.controlFillAlpha));
        Graphics_FillRectangle(graphics, veil, 0, 0, w, h);
    } else {
        Graphics_Clear(graphics, Color_ToArgb(RGB(255, 255, 255)));
    }
    Graphics_ResetClip(graphics);

    PenObject pen;
    if (hovered && state.wideHoverBorder == 1) {
        Pen_Create(pen, Color_ToArgb(state.themeColour, 200), 2.0f, 0);
        Graphics_DrawRectangle(graphics, pen, 1.0f, 1.0f, w - 2, h - 2);
    } else if (hovered || focused) {
        Pen_Create(pen, Color_ToArgb(state.themeColour, 200), 1.0f, 0);
        Graphics_DrawRectangle(graphics, pen, 0, 0, w - 1, h - 1);
    } else {
        Pen_Create(pen, Color_ToArgb(RGB(0, 0, 0), 90), 1.0f, 0);
        Graphics_DrawRectangle(graphics, pen, 0, 0, w - 1, h - 1);
    }
}

} // namespace

void List_DrawFrame(int n, int entryPosition, std::optional<int> hover, std::optional<int> focus) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record || entryPosition < 1 || entryPosition > static_cast<int>(record->listControls.size())) return;
    const ListEntry& entry = record->listControls[entryPosition - 1];
    HWND control = entry.control;
    if (!control || !IsWindow(control)) return;

    RECT window;
    GetWindowRect(control, &window);
    const int width = window.right - window.left, height = window.bottom - window.top;
    HDC picture = Skin_SnapshotBackground(control, RECT{0, 0, width, height});
    if (!picture) return;
    if (List_IsClass(control, L"ComboLBox") || Window_BorderKind(control) == 0) {
        FillKey(picture, RECT{0, 0, width, height});
    } else {
        FillKey(picture, Window_ClientRectInWindow(control));
        GraphicsObject graphics;
        if (Graphics_FromDC(graphics, picture))
            PaintRing(control, graphics, width, height, hover.value_or(entry.hovered) != 0,
                      focus.value_or(entry.focused) != 0);
    }

    if (WindowDc target(control, DcArea::kWholeWindow); target.get()) {
        const RECT client = Window_ClientRectInWindow(control);
        ExcludeClipRect(target.get(), client.left, client.top, client.right, client.bottom);
        TransparentBlt(target.get(), 0, 0, width, height, picture, 0, 0, width, height, kColourKey);
    }
    Skin_PresentControlKeyed(control, picture, kColourKey);
    MemDc_Release(picture);
}
