// The frame procedure's table, and its handlers for painting, showing, sizing and teardown.
#include <span>

#include "skin/core/child_colour.h"
#include "skin/core/frame_internal.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/backdrop.h"
#include "skin/draw/geometry.h"
#include "toolkit/codepage.h"
#include "toolkit/dispatch.h"

namespace {

constexpr MessageRoute kFrameRoutes[] = {
    {WM_SIZE, Frame_OnSize},
    {WM_ACTIVATE, Frame_OnActivate},
    {WM_ACTIVATEAPP, Frame_OnActivateApp},
    {WM_SETTEXT, Frame_OnSetText},
    {WM_PAINT, Frame_OnPaint},
    {WM_ERASEBKGND, Frame_OnEraseBackground},
    {WM_SHOWWINDOW, Frame_OnShowWindow},
    {WM_QUERYOPEN, Frame_OnQueryOpen},
    {WM_SYSCOMMAND, Frame_OnSysCommand},
    {WM_GETMINMAXINFO, Frame_OnGetMinMaxInfo},
    {WM_WINDOWPOSCHANGED, Frame_OnWindowPosChanged},
    {WM_MOUSEMOVE, Frame_OnMouseMove},
    {WM_MOUSEHOVER, Frame_OnMouseHover},
    {WM_MOUSELEAVE, Frame_OnMouseLeave},
    {WM_LBUTTONDOWN, Frame_OnLButtonDown},
    {WM_LBUTTONUP, Frame_OnLButtonUp},
    {WM_LBUTTONDBLCLK, Frame_OnLButtonDoubleClick},
    {WM_SIZING, Frame_OnSizing},
    {WM_MOVING, Frame_OnMoving},
    {WM_EXITSIZEMOVE, Frame_OnExitSizeMove},
    {WM_TIMER, Frame_OnTimer},
    {WM_DRAWITEM, Frame_OnDrawItem},
    {WM_NOTIFY, Frame_OnNotify},
    {WM_COMMAND, Frame_OnCommand},
    {WM_CTLCOLORBTN, Frame_OnCtlColorButton},
    {WM_CTLCOLORLISTBOX, Frame_OnCtlColorListBox},
    {WM_CTLCOLOREDIT, Frame_OnCtlColorEdit},
    {WM_CTLCOLORSTATIC, Frame_OnCtlColorStatic},
    {WM_DESTROY, Frame_OnDestroy},
    {WM_NCDESTROY, Frame_OnNcDestroy},
};

bool IsListView(HWND window) { return Window_GetClassName(window) == "SysListView32"; }

}  // namespace

LRESULT CALLBACK Frame_Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kFrameRoutes, window, message, wParam, lParam, Skin_PassOn);
}

LRESULT Frame_OnSize(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) {
        if (record->minimized == 0) Frame_MarkControlsForRepaint(window);
        record->hotButton = 0;
        SkinState& state = Skin_State();
        if (state.firstSizePending == 1) {
            record->frameDirty = 0;
            state.firstSizePending = 0;
        } else {
            record->frameDirty = 1;
        }
    }
    return Skin_PassOn(window, WM_SIZE, wParam, lParam);
}

LRESULT Frame_OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    WindowSkinRecord* record = Frame_Record(window, &position);
    if (!record) return Skin_PassOn(window, WM_PAINT, wParam, lParam);
    PAINTSTRUCT paint{};
    HDC dc = BeginPaint(window, &paint);
    if (record->minimized == 1) {
        record->frameDirty = 0;
    } else if (record->frameDirty == 1 || !record->frameDC) {
        // A frame never composed is composed now, whatever the dirty mark says.
        Frame_Compose(position, true);
        if ((record = Skin_RecordAt(position)) != nullptr && record->restoring == 1) {
            record->restoring = 0;
            for (ListEntry& entry : record->listControls) {
                if (!entry.control || !IsWindowVisible(entry.control) || !IsListView(entry.control)) continue;
                entry.dirty = 1;
                InvalidateRect(entry.control, nullptr, FALSE);
            }
        }
        if (record) record->backgroundErased = record->framePresented = 0;
    } else {
        Frame_PresentStored(position, dc);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (Window_IsTransparent(child)) InvalidateRect(child, nullptr, FALSE);
        record->frameDirty = 0;
    }
    EndPaint(window, &paint);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

LRESULT Frame_OnEraseBackground(HWND window, WPARAM wParam, LPARAM) {
    if (WindowSkinRecord* record = Frame_Record(window)) {
        SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
        if (record->frameDirty == 1 && record->sizing == 0 && record->frameCopyDC && record->framePresented == 0 &&
            record->backgroundErased == 0) {
            Skin_BlitBackdrop(window, false, false, nullptr);
            record->backgroundErased = 1;
        }
    }
    return 1;
}

LRESULT Frame_OnShowWindow(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    if (WindowSkinRecord* record = Frame_Record(window, &position)) {
        if (wParam != 0 && record->wasHidden == 0) {
            PAINTSTRUCT paint{};
            BeginPaint(window, &paint);
            Frame_Compose(position, true);
            EndPaint(window, &paint);
            if ((record = Skin_RecordAt(position)) != nullptr) {
                record->framePresented = 1;
                record->frameDirty = 0;
            }
        } else {
            record->wasHidden = 1;
            record->framePresented = 0;
        }
    }
    return Skin_PassOn(window, WM_SHOWWINDOW, wParam, lParam);
}

LRESULT Frame_OnSetText(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    if (WindowSkinRecord* record = Frame_Record(window, &position); record && lParam) {
        if (record->showTitle == 1 && record->hasTitleBar == 1) {
            const Text text = IsWindowUnicode(window) ? Cp936_FromWide(reinterpret_cast<const wchar_t*>(lParam))
                                                      : Text(reinterpret_cast<const char*>(lParam));
            Frame_DrawTitle(position, &text);
        }
    }
    return Skin_PassOn(window, WM_SETTEXT, wParam, lParam);
}

LRESULT Frame_OnSizing(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) record->sizing = 1;
    return Skin_PassOn(window, WM_SIZING, wParam, lParam);
}

LRESULT Frame_OnMoving(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) record->moving = 1;
    return Skin_PassOn(window, WM_MOVING, wParam, lParam);
}

LRESULT Frame_OnExitSizeMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) record->moving = record->sizing = 0;
    return Skin_PassOn(window, WM_EXITSIZEMOVE, wParam, lParam);
}

// The colour brushes and bitmaps the children keep go while the children still exist: by the window's
// WM_NCDESTROY they are gone, and their properties with them.
LRESULT Frame_OnDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    if (Frame_Record(window)) Skin_DropChildColourObjects(window);
    return Skin_PassOn(window, WM_DESTROY, wParam, lParam);
}

LRESULT Frame_OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_ReleaseWindow(window);
    KillTimer(window, reinterpret_cast<UINT_PTR>(window));
    return Skin_PassOn(window, WM_NCDESTROY, wParam, lParam);
}
