// The dressed label's procedure: what marks the label for a fresh drawing, and the cheap copy from the frame copy
// while nothing has changed.
#include "skin/core/control_registration.h"
#include "skin/draw/backdrop.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/label_painter.h"
#include "toolkit/codepage.h"
#include "toolkit/dispatch.h"

namespace {

LabelEntry* Entry(HWND window) { return Skin_ControlEntry(window, &WindowSkinRecord::labels); }

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    Entry(window)->dirty = 1;
    InvalidateRect(window, nullptr, FALSE);
    return Skin_PassOn(window, WM_MOVE, wParam, lParam);
}

LRESULT OnSize(HWND window, WPARAM wParam, LPARAM lParam) {
    Entry(window)->dirty = 1;
    return Skin_PassOn(window, WM_SIZE, wParam, lParam);
}

// The new text is drawn at once. The system may draw its own look of the text while storing it, so the label is
// invalidated afterwards: its next paint copies the skinned picture back from the frame copy.
LRESULT OnSetText(HWND window, WPARAM wParam, LPARAM lParam) {
    const auto* text = reinterpret_cast<const wchar_t*>(lParam);
    const Text newText = text ? Cp936_FromWide(text) : Text();
    Label_Paint(window, newText);
    const LRESULT result = Skin_PassOn(window, WM_SETTEXT, wParam, lParam);
    InvalidateRect(window, nullptr, FALSE);
    return result;
}

LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    if (Entry(window)->dirty == 1) Label_Paint(window);
    else Skin_BlitBackdrop(window, false, false);  // takes and releases the window's DC itself
    EndPaint(window, &paint);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND window, WPARAM wParam, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    LabelEntry* entry = Entry(window);
    if (entry->dirty == 0) entry->dirty = Skin_NeedsRedraw(window);
    return 1;
}

LRESULT OnShowWindow(HWND window, WPARAM wParam, LPARAM lParam) {
    if (wParam == TRUE) Entry(window)->dirty = 1;
    return Skin_PassOn(window, WM_SHOWWINDOW, wParam, lParam);
}

LRESULT OnWindowPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return Skin_PassOn(window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_MOVE, OnMove},
    {WM_SIZE, OnSize},
    {WM_SETTEXT, OnSetText},
    {WM_PAINT, OnPaint},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_SHOWWINDOW, OnShowWindow},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
};

}  // namespace

LRESULT CALLBACK Label_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Entry(window)) return Skin_PassOn(window, message, wParam, lParam);
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}
