// Progress bars: a rounded, softly shaded trough with a rounded fill in the theme colour; vertical bars fill from
// the bottom up. There is no hover look.
//
// The fill is the position's share of the range's span, with the position counted from 0 rather than from the
// low bound; a bar whose low bound is not 0 fills accordingly.
#include "skin/painters/lists/progress_bar.h"

#include <commctrl.h>

#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/bar_canvas.h"
#include "skin/painters/lists/bar_shapes.h"
#include "toolkit/dispatch.h"

namespace {

void Paint(HWND control, const ProgressBarEntry& entry, HDC target) {
    BarCanvas canvas(control);
    if (!canvas.ok()) return;
    GraphicsObject& graphics = canvas.graphics();
    const int w = canvas.width(), h = canvas.height();
    const float width = static_cast<float>(w), height = static_cast<float>(h);
    const COLORREF theme = Skin_State().themeColour;

    Bar_OutlineRound(graphics, {0, 0, width - 1, height - 1}, 5, Color_ToArgb(0, 50));
    const FloatPoint across = entry.vertical ? FloatPoint{width - 1, 0} : FloatPoint{0, height - 1};
    Bar_FillRoundGradient(graphics, {1, 1, width - 2, height - 2}, 1, {0, 0}, across, Color_ToArgb(0xFFFFFF, 160),
                          Color_ToArgb(0, 30));

    const double position = static_cast<double>(SendMessageW(control, PBM_GETPOS, 0, 0));
    PBRANGE range{};
    SendMessageW(control, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
    const double span = static_cast<double>(range.iHigh) - static_cast<double>(range.iLow);

    // An empty (or inverted) range has no share to show: the trough stays empty.
    if (span > 0) {
        FloatRect fill{};
        FloatPoint start{}, end{};
        int length;
        if (entry.vertical) {
            const double share = h / span * position;
            length = static_cast<int>(share);
            const float top = static_cast<float>(static_cast<int>(h - share));
            fill = {1, top + 1, width - 3, static_cast<float>(length) - 3};
            start = {0, top};
            end = {width - 1, top};
        } else {
            length = static_cast<int>(w / span * position);
            fill = {1, 1, static_cast<float>(length) - 3, height - 3};
            end = {0, height - 1};
        }
        if (length > 0) {
            Bar_FillRoundGradient(graphics, fill, 3, start, end, Color_ToArgb(0xFFFFFF, 90), Color_ToArgb(theme, 255));
            Bar_OutlineRound(graphics, fill, 3, Color_ToArgb(theme, 150));
        }
    }
    canvas.Present(target);
}

ProgressBarEntry* EntryOf(HWND control) { return Skin_ControlEntry(control, &WindowSkinRecord::progressBars); }

LRESULT OnWindowPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return Skin_PassOn(window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    Paint(window, *EntryOf(window), nullptr);
    return Skin_PassOn(window, WM_MOVE, wParam, lParam);
}

LRESULT OnEraseBackground(HWND, WPARAM wParam, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

// The picture covers the whole window, border included, so it goes onto the window DC rather than the paint DC,
// whose origin is the client area's.
LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT ps;
    BeginPaint(window, &ps);
    Paint(window, *EntryOf(window), nullptr);
    EndPaint(window, &ps);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

LRESULT OnNcPaint(HWND window, WPARAM, LPARAM) {
    Paint(window, *EntryOf(window), nullptr);
    return 1;
}

constexpr MessageRoute kRoutes[] = {
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_MOVE, OnMove},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_PAINT, OnPaint},
    {WM_NCPAINT, OnNcPaint},
};

}  // namespace

void Progress_Register(int n, HWND parent) {
    if (!Skin_State().skinControls) return;
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return;
    Skin_ForEachChildOfClass(parent, PROGRESS_CLASSW, [n, record](HWND child) {
        const int position = Skin_RegisterControl(n, record->progressBars, child, Progress_WindowProc);
        if (!position) return;
        record->progressBars[position - 1].vertical = (GetWindowLongPtrW(child, GWL_STYLE) & PBS_VERTICAL) ? 1 : 0;
    });
}

LRESULT CALLBACK Progress_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!EntryOf(window)) return Skin_PassOn(window, message, wParam, lParam);
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}

void Progress_Draw(int n, int position, HDC dc) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record || position < 1 || position > static_cast<int>(record->progressBars.size())) return;
    const ProgressBarEntry& entry = record->progressBars[position - 1];
    if (entry.control && IsWindow(entry.control)) Paint(entry.control, entry, dc);
}
