// The frame procedure's window state: activation and the working-set trim, minimise, maximise to the work area,
// and the tracking sizes.
#include "skin/core/frame_internal.h"
#include "skin/core/skin_registry.h"

namespace {

SIZE ScreenSize() { return {GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN)}; }

}  // namespace

SIZE Frame_WorkAreaFromTaskbar(const RECT& taskbar, bool taskbarVisible, int screenWidth, int screenHeight,
                               bool forTracking) {
    const int barWidth = taskbar.right - taskbar.left, barHeight = taskbar.bottom - taskbar.top;
    if (barWidth > barHeight) {
        const bool outOfSight = taskbar.top < 0 || taskbar.top >= screenHeight - 5;  // auto-hidden below or above
        return {screenWidth, outOfSight ? screenHeight : screenHeight - barHeight};
    }
    if (forTracking && !taskbarVisible) return {screenWidth, screenHeight};
    return {screenWidth - barWidth, screenHeight};
}

RECT Frame_WorkArea(bool forTracking) {
    const SIZE screen = ScreenSize();
    if (HWND taskbar = FindWindowW(L"Shell_TrayWnd", nullptr)) {
        RECT bar{};
        GetWindowRect(taskbar, &bar);
        const SIZE size =
            Frame_WorkAreaFromTaskbar(bar, IsWindowVisible(taskbar) != FALSE, screen.cx, screen.cy, forTracking);
        return {0, 0, size.cx, size.cy};
    }
    // No taskbar window (some shells, Wine): the system's own work area.
    RECT area{0, 0, screen.cx, screen.cy};
    SystemParametersInfoW(SPI_GETWORKAREA, 0, &area, 0);
    return area;
}

LRESULT Frame_OnActivate(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) record->active = LOWORD(wParam) != WA_INACTIVE ? 1 : 0;
    return Skin_PassOn(window, WM_ACTIVATE, wParam, lParam);
}

LRESULT Frame_OnActivateApp(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) {
        if (wParam == 0) {
            record->active = 0;
            // Leaving the application gives its pages back to the system: the process empties its own working set.
            SetProcessWorkingSetSize(GetCurrentProcess(), static_cast<SIZE_T>(-1), static_cast<SIZE_T>(-1));
        } else {
            record->active = 1;
        }
    }
    return Skin_PassOn(window, WM_ACTIVATEAPP, wParam, lParam);
}

LRESULT Frame_OnQueryOpen(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) {
        record->minimized = 0;
        record->restoring = 1;
    }
    return Skin_PassOn(window, WM_QUERYOPEN, wParam, lParam);
}

LRESULT Frame_OnSysCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) {
        switch (wParam & 0xFFF0) {
            case SC_MAXIMIZE:
                record->maximized = 1;
                record->frameDirty = 1;
                break;
            case SC_RESTORE:
                record->frameDirty = 1;
                record->minimized = 0;
                break;
            case SC_MINIMIZE:
                record->frameDirty = 1;
                record->minimized = 1;
                break;
            default:
                break;
        }
    }
    return Skin_PassOn(window, WM_SYSCOMMAND, wParam, lParam);
}

LRESULT Frame_OnGetMinMaxInfo(HWND window, WPARAM wParam, LPARAM lParam) {
    WindowSkinRecord* record = Frame_Record(window);
    if (record && lParam) {
        MINMAXINFO& info = *reinterpret_cast<MINMAXINFO*>(lParam);
        if (record->maximized == 1) {
            const RECT area = Frame_WorkArea(true);
            info.ptMaxTrackSize = {area.right - area.left, area.bottom - area.top};
        } else {
            info.ptMaxTrackSize = {record->maxTrackWidth, record->maxTrackHeight};
        }
        info.ptMinTrackSize = {record->minTrackWidth, record->minTrackHeight};
    }
    return Skin_PassOn(window, WM_GETMINMAXINFO, wParam, lParam);
}

LRESULT Frame_OnWindowPosChanged(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) {
        RECT client{};
        GetClientRect(window, &client);
        const SIZE screen = ScreenSize();
        if (record->showMaximizeButton == 1 && client.right == screen.cx && client.bottom == screen.cy) {
            const RECT area = Frame_WorkArea(false);
            record->maximized = 1;
            RECT now{};
            GetWindowRect(window, &now);
            // Only a real change: a work area as large as the screen would otherwise come back here for ever.
            if (!EqualRect(&now, &area))
                SetWindowPos(window, nullptr, area.left, area.top, area.right - area.left, area.bottom - area.top,
                             SWP_NOZORDER | SWP_NOOWNERZORDER);
        }
        if ((record = Frame_Record(window)) != nullptr) Frame_LayoutCaptionButtons(*record);
    }
    return Skin_PassOn(window, WM_WINDOWPOSCHANGED, wParam, lParam);
}
