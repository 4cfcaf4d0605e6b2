// Up-down controls: two small rounded buttons, each a gradient over a translucent white base with a tiny black
// arrow in its middle. The button under the mouse takes the theme colour, and its gradient turns around while the
// left button is held. Vertical controls split into top and bottom, UDS_HORZ ones into left and right.
#include "skin/painters/lists/up_down.h"

#include <commctrl.h>
#include <windowsx.h>

#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/bar_canvas.h"
#include "skin/painters/lists/bar_shapes.h"
#include "skin/painters/lists/up_down_glyphs.h"
#include "toolkit/dispatch.h"

namespace {

constexpr int kHoverKind = 8;
constexpr int kSmoothingAntiAlias = 4;
constexpr int kCompositingHighQuality = 2;
constexpr Argb kWhite = 0xFFFFFF;

SIZE WindowSize(HWND control) {
    RECT r{};
    GetWindowRect(control, &r);
    return {r.right - r.left, r.bottom - r.top};
}

// The half beyond the middle (1) or not (0); the middle line belongs to the first half.
int HalfAt(bool horizontal, SIZE size, LPARAM point) {
    return horizontal ? (GET_X_LPARAM(point) > size.cx / 2 ? 1 : 0) : (GET_Y_LPARAM(point) > size.cy / 2 ? 1 : 0);
}

void PaintHalf(GraphicsObject& graphics, const FloatRect& box, FloatPoint start, FloatPoint end, bool hot,
               bool pressed, Argb idleStart, UpDownGlyph glyph) {
    const COLORREF theme = Skin_State().themeColour;
    Argb from = idleStart, to = Color_ToArgb(theme, 100), pen = Color_ToArgb(0, 100);
    if (hot) {
        pen = Color_ToArgb(theme, 200);
        from = pressed ? Color_ToArgb(theme, 100) : Color_ToArgb(kWhite, 100);
        to = pressed ? Color_ToArgb(kWhite, 150) : Color_ToArgb(theme, 150);
    }
    Bar_FillRoundGradient(graphics, box, 3, start, end, from, to);
    BitmapObject arrow;
    if (UpDown_MakeGlyph(glyph, arrow)) {
        const float gw = static_cast<float>(Image_Width(arrow)), gh = static_cast<float>(Image_Height(arrow));
        Graphics_DrawImage(graphics, arrow, box.x + (box.width + 1 - gw) / 2, box.y + (box.height + 1 - gh) / 2);
    }
    Bar_OutlineRound(graphics, box, 3, pen);
}

void Paint(HWND control, const UpDownEntry& entry, bool hover, bool pressed, LPARAM point) {
    BarCanvas canvas(control);
    if (!canvas.ok()) return;
    GraphicsObject& graphics = canvas.graphics();
    Graphics_SetSmoothingMode(graphics, kSmoothingAntiAlias);
    Graphics_SetCompositingQuality(graphics, kCompositingHighQuality);

    const int w = canvas.width(), h = canvas.height();
    const bool horizontal = entry.horizontal != 0;
    const int a = horizontal ? w / 2 : w, b = horizontal ? h : h / 2;
    const float fa = static_cast<float>(a), fb = static_cast<float>(b);

    // The highlighted half: none without hover, and none while the point lies outside the control (the control
    // keeps the mouse captured while its button is held, so moves from outside still arrive).
    const int x = GET_X_LPARAM(point), y = GET_Y_LPARAM(point);
    const bool inside = x >= 0 && y >= 0 && x < w && y < h;
    const int hotCode = hover && inside ? (HalfAt(horizontal, {w, h}, point) ? 4 : 3) : 0;
    const bool lit = hover || pressed;

    Bar_FillRound(graphics, {0, 0, static_cast<float>(w - 1), static_cast<float>(h - 1)}, 3,
                  Color_ToArgb(kWhite, 160));
    const Argb idle = Color_ToArgb(kWhite, 20);
    const FloatRect first{0, 0, fa - 1, fb - 1};
    const FloatRect second = horizontal ? FloatRect{fa, 0, fa - 1, fb - 1} : FloatRect{0, fb, fa - 1, fb - 1};
    if (horizontal) {
        PaintHalf(graphics, first, {0, 0}, {fa - 1, 0}, lit && hotCode == 3, pressed, idle, UpDownGlyph::kLeft);
        PaintHalf(graphics, second, {fa - 1, 0}, {static_cast<float>(w), 0}, lit && hotCode == 4, pressed, idle,
                  UpDownGlyph::kRight);
    } else {
        PaintHalf(graphics, first, {0, 0}, {0, fb - 1}, lit && hotCode == 3, pressed, Color_ToArgb(kWhite, 60),
                  UpDownGlyph::kUp);
        PaintHalf(graphics, second, {0, fb}, {0, static_cast<float>(h)}, lit && hotCode == 4, pressed, idle,
                  UpDownGlyph::kDown);
    }
    canvas.Present();
}

UpDownEntry* EntryOf(HWND control) { return Skin_ControlEntry(control, &WindowSkinRecord::upDowns); }

void PaintFromEntry(HWND window) {
    const UpDownEntry& entry = *EntryOf(window);
    Paint(window, entry, entry.hovered != 0, entry.pressed != 0, entry.lastButtonPoint);
}

LRESULT OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    Window_TrackMouse(window);
    WindowSkinRecord* record = Skin_ControlRecord(window);
    UpDownEntry* entry = EntryOf(window);
    const int id = static_cast<int>(Prop_GetInt(window, SkinProp::kListId));
    record->hoverItem = id;
    const int half = HalfAt(entry->horizontal != 0, WindowSize(window), lParam);
    if (record->hoverPainted != record->hoverItem || record->hoverKind != kHoverKind || half != entry->hotHalf) {
        if (id >= 1) {
            Paint(window, *entry, true, entry->pressed != 0, lParam);
            entry->hovered = 1;
        }
        record->hoverPainted = record->hoverItem;
        record->hoverKind = kHoverKind;
        entry->hotHalf = half;
    }
    return Skin_PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_ControlRecord(window)->hoverPainted = 0;
    UpDownEntry* entry = EntryOf(window);
    entry->hovered = 0;
    Paint(window, *entry, false, entry->pressed != 0, entry->lastButtonPoint);
    return Skin_PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnWindowPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return Skin_PassOn(window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    PaintFromEntry(window);
    return Skin_PassOn(window, WM_MOVE, wParam, lParam);
}

LRESULT OnEraseBackground(HWND, WPARAM wParam, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

// DefWindowProc validates the update region.
LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    PaintFromEntry(window);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

LRESULT OnButton(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    UpDownEntry* entry = EntryOf(window);
    entry->pressed = message == WM_LBUTTONDOWN ? 1 : 0;
    entry->lastButtonPoint = lParam;
    return Skin_PassOn(window, message, wParam, lParam);
}
LRESULT OnButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    return OnButton(window, WM_LBUTTONDOWN, wParam, lParam);
}
LRESULT OnButtonUp(HWND window, WPARAM wParam, LPARAM lParam) { return OnButton(window, WM_LBUTTONUP, wParam, lParam); }

LRESULT OnNcPaint(HWND, WPARAM, LPARAM) { return 1; }

constexpr MessageRoute kRoutes[] = {
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_MOUSELEAVE, OnMouseLeave},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_MOVE, OnMove},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_PAINT, OnPaint},
    {WM_LBUTTONDOWN, OnButtonDown},
    {WM_LBUTTONUP, OnButtonUp},
    {WM_NCPAINT, OnNcPaint},
};

const UpDownEntry* EntryAt(int n, int position) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record || position < 1 || position > static_cast<int>(record->upDowns.size())) return nullptr;
    const UpDownEntry& entry = record->upDowns[position - 1];
    return entry.control && IsWindow(entry.control) ? &entry : nullptr;
}

}  // namespace

void UpDown_Register(int n, HWND parent) {
    if (!Skin_State().skinControls) return;
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return;
    Skin_ForEachChildOfClass(parent, UPDOWN_CLASSW, [n, record](HWND child) {
        const int position = Skin_RegisterControl(n, record->upDowns, child, UpDown_WindowProc);
        if (!position) return;
        record->upDowns[position - 1].horizontal = (GetWindowLongPtrW(child, GWL_STYLE) & UDS_HORZ) ? 1 : 0;
    });
}

LRESULT CALLBACK UpDown_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!EntryOf(window)) return Skin_PassOn(window, message, wParam, lParam);
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}

void UpDown_Draw(int n, int position, std::optional<int> hover, std::optional<int> pressed,
                 std::optional<LPARAM> point) {
    const UpDownEntry* entry = EntryAt(n, position);
    if (!entry) return;
    Paint(entry->control, *entry, hover.value_or(entry->hovered) != 0, pressed.value_or(entry->pressed) != 0,
          point.value_or(entry->lastButtonPoint));
}

int UpDown_HalfAtPoint(int n, int position, LPARAM point) {
    const UpDownEntry* entry = EntryAt(n, position);
    return entry ? HalfAt(entry->horizontal != 0, WindowSize(entry->control), point) : 0;
}
