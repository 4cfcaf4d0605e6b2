// Track bars: a thin rounded channel, an optional selection band, a line in the theme colour from the start of the
// channel up to the thumb and a round thumb that grows under the mouse. Tick marks are never drawn.
//
// Positions are taken from 0 and scaled by the range maximum alone: a track bar whose minimum is not 0 shows its
// selection band offset by that minimum.
#include "skin/painters/lists/track_bar.h"

#include <commctrl.h>

#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/bar_canvas.h"
#include "skin/painters/lists/bar_shapes.h"
#include "toolkit/dispatch.h"

namespace {

constexpr int kHoverKind = 2;

// Maps the along/across coordinates of the track onto x and y.
struct Track {
    bool vertical;
    FloatRect Box(float along, float across, float length, float thickness) const {
        return vertical ? FloatRect{across, along, thickness, length} : FloatRect{along, across, length, thickness};
    }
    FloatPoint Point(float along, float across) const {
        return vertical ? FloatPoint{across, along} : FloatPoint{along, across};
    }
};

int TickPlacement(LONG_PTR style) {
    if (style & TBS_NOTICKS) return 3;
    if (style & TBS_TOP) return 0;
    if (style & TBS_BOTH) return 2;
    return 1;
}

void DrawFrame(GraphicsObject& graphics, const TrackBarEntry& entry, float width, float height) {
    Bar_OutlineRound(graphics, {0, 0, width - 1, height - 1}, 5, Color_ToArgb(0, 30));
    const FloatPoint end = entry.vertical ? FloatPoint{width - 1, 0} : FloatPoint{0, height - 1};
    Bar_FillRoundGradient(graphics, {1, 1, width - 2, height - 2}, 3, {0, 0}, end, Color_ToArgb(0xFFFFFF, 160),
                          Color_ToArgb(0, 30));
}

void Paint(HWND control, const TrackBarEntry& entry) {
    BarCanvas canvas(control);
    if (!canvas.ok()) return;
    GraphicsObject& graphics = canvas.graphics();
    const SkinState& skin = Skin_State();
    const Track track{entry.vertical != 0};

    const LRESULT position = SendMessageW(control, TBM_GETPOS, 0, 0);
    const LRESULT maximum = SendMessageW(control, TBM_GETRANGEMAX, 0, 0);
    const bool atMaximum = position == maximum;

    if (skin.drawOutline == 1) {
        DrawFrame(graphics, entry, static_cast<float>(canvas.width()), static_cast<float>(canvas.height()));
    }

    // Windows reports a vertical track bar's channel turned, left..right running along the track as for a
    // horizontal one; a channel that comes back upright (taller than wide, as Wine gives it) is turned here.
    RECT channel{};
    SendMessageW(control, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&channel));
    if (entry.vertical && channel.bottom - channel.top > channel.right - channel.left) {
        channel = RECT{channel.top, channel.left, channel.bottom, channel.right};
    }
    const float l = static_cast<float>(channel.left), r = static_cast<float>(channel.right);
    const float t = static_cast<float>(channel.top), b = static_cast<float>(channel.bottom);
    const float thickness = entry.selectionRange ? 4.0f : b - t;
    const float c = entry.selectionRange ? t + (b - t - 4) / 2 : t;
    Bar_FillRoundGradient(graphics, track.Box(l, c, r - l, thickness), 1, track.Point(0, c),
                          track.Point(0, c + thickness), Color_ToArgb(0, 50), Color_ToArgb(0, 40));

    // An empty range has no scale to place the selection on.
    if (entry.selectionRange && maximum != 0) {
        const float start = static_cast<float>(SendMessageW(control, TBM_GETSELSTART, 0, 0));
        const float end = static_cast<float>(SendMessageW(control, TBM_GETSELEND, 0, 0));
        const float scale = (r - l) / static_cast<float>(maximum);
        Bar_OutlineRect(graphics, track.Box(l + start * scale + 1, c + 1, (end - start) * scale - 3, 1),
                        Color_ToArgb(0xFFFFFF, 200));
    }

    RECT thumb{};
    SendMessageW(control, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const float leading = static_cast<float>(entry.vertical ? thumb.top : thumb.left);
    const float filled = leading - l - 2 + (atMaximum ? 10.0f : 0.0f);
    Bar_OutlineRect(graphics, track.Box(l + 1, c + 1, filled, 1), Color_ToArgb(skin.themeColour, 200));

    if (entry.hovered) {
        float across = c - 4;
        if (entry.tickPlacement == 0) across += 2;
        if (entry.tickPlacement == 2) across += 1;
        const FloatPoint at = track.Point(leading, across);
        Bar_ShadedCircle(graphics, at.x, at.y, 11);
    } else {
        const FloatPoint at = track.Point(leading + (atMaximum ? 8.0f : 0.0f), c - 1.5f);
        Bar_ShadedCircle(graphics, at.x, at.y, 6);
    }
    canvas.Present();
}

TrackBarEntry* EntryOf(HWND control) { return Skin_ControlEntry(control, &WindowSkinRecord::trackBars); }

LRESULT OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    Window_TrackMouse(window);
    WindowSkinRecord* record = Skin_ControlRecord(window);
    TrackBarEntry* entry = EntryOf(window);
    record->hoverItem = static_cast<int>(Prop_GetInt(window, SkinProp::kListId));
    if (record->hoverPainted != record->hoverItem || record->hoverKind != kHoverKind) {
        entry->hovered = 1;
        Paint(window, *entry);
    }
    record->hoverPainted = record->hoverItem;
    record->hoverKind = kHoverKind;
    return Skin_PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_ControlRecord(window)->hoverPainted = 0;
    TrackBarEntry* entry = EntryOf(window);
    entry->hovered = 0;
    Paint(window, *entry);
    return Skin_PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT OnWindowPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return Skin_PassOn(window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    Paint(window, *EntryOf(window));
    return Skin_PassOn(window, WM_MOVE, wParam, lParam);
}

LRESULT OnEraseBackground(HWND, WPARAM wParam, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    Paint(window, *EntryOf(window));
    EndPaint(window, &ps);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

LRESULT OnNcPaint(HWND window, WPARAM, LPARAM) {
    Paint(window, *EntryOf(window));
    return 1;
}

constexpr MessageRoute kRoutes[] = {
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_MOUSELEAVE, OnMouseLeave},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_MOVE, OnMove},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_PAINT, OnPaint},
    {WM_NCPAINT, OnNcPaint},
};

}  // namespace

void TrackBar_Register(int n, HWND parent) {
    if (!Skin_State().skinControls) return;
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return;
    Skin_ForEachChildOfClass(parent, TRACKBAR_CLASSW, [n, record](HWND child) {
        const int position = Skin_RegisterControl(n, record->trackBars, child, TrackBar_WindowProc);
        if (!position) return;
        const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
        TrackBarEntry& entry = record->trackBars[position - 1];
        entry.vertical = (style & TBS_VERT) ? 1 : 0;
        entry.tickPlacement = TickPlacement(style);
        entry.selectionRange = (style & TBS_ENABLESELRANGE) ? 1 : 0;
    });
}

LRESULT CALLBACK TrackBar_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!EntryOf(window)) return Skin_PassOn(window, message, wParam, lParam);
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}

void TrackBar_Draw(int n, int position) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record || position < 1 || position > static_cast<int>(record->trackBars.size())) return;
    const TrackBarEntry& entry = record->trackBars[position - 1];
    if (entry.control && IsWindow(entry.control)) Paint(entry.control, entry);
}
