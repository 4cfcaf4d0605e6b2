// The frame procedure's mouse handling: moving the caption-less window, sizing it from its edges, the caption
// buttons' hover fade and their clicks.
#include <windowsx.h>

#include "skin/core/frame_internal.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/geometry.h"

namespace {

// The caption button under the mouse at the last move or press; one for all windows, since only one window gets
// mouse messages at a time.
int g_hotCandidate = 0;
// The window whose caption button the left button went down on; a release elsewhere clicks nothing.
HWND g_pressedWindow = nullptr;
int g_pressedButton = 0;

struct EdgeZone {
    LPCWSTR cursor;
    WPARAM command;
};

const EdgeZone kLeft{IDC_SIZEWE, SC_SIZE | WMSZ_LEFT}, kRight{IDC_SIZEWE, SC_SIZE | WMSZ_RIGHT},
    kTop{IDC_SIZENS, SC_SIZE | WMSZ_TOP}, kBottom{IDC_SIZENS, SC_SIZE | WMSZ_BOTTOM},
    kTopLeft{IDC_SIZENWSE, SC_SIZE | WMSZ_TOPLEFT}, kTopRight{IDC_SIZENESW, SC_SIZE | WMSZ_TOPRIGHT},
    kBottomLeft{IDC_SIZENESW, SC_SIZE | WMSZ_BOTTOMLEFT}, kBottomRight{IDC_SIZENWSE, SC_SIZE | WMSZ_BOTTOMRIGHT};

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right, client.bottom};
}

// The sizing zone of a press, first match in order; null outside all of them.
const EdgeZone* PressZone(int x, int y, int w, int h, int b) {
    if (x <= b && y >= 11 && y < h - 10) return &kLeft;
    if (x >= w - b && y >= 11 && y < h - 10) return &kRight;
    if (x >= 11 && y <= b && x < w - 10) return &kTop;
    if (x >= 11 && y >= h - b && x < w - 10) return &kBottom;
    if (x <= 10 && y <= 10) return &kTopLeft;
    if (x >= w - 10 && y <= 10) return &kTopRight;
    if (x <= 10 && y >= h - 10) return &kBottomLeft;
    if (x >= w - 10 && y >= h - 10) return &kBottomRight;
    return nullptr;
}

// The zone under a moving mouse: the side zones keep clear of the corners.
const EdgeZone* HoverZone(int x, int y, int w, int h, int b) {
    if (x <= b && y > 10 && y < h - 10) return &kLeft;
    if (x >= w - b && y > 10 && y < h - 10) return &kRight;
    if (x > 10 && y <= b && x < w - 10) return &kTop;
    if (x > 10 && y >= h - b && x < w - 10) return &kBottom;
    if (x <= 10 && y <= 10) return &kTopLeft;
    if (x >= w - 10 && y <= 10) return &kTopRight;
    if (x <= 10 && y >= h - 10) return &kBottomLeft;
    if (x >= w - 10 && y >= h - 10) return &kBottomRight;
    return nullptr;
}

LPARAM ScreenPoint(HWND window, int x, int y) {
    POINT point{x, y};
    ClientToScreen(window, &point);
    return MAKELPARAM(point.x, point.y);
}

void StartMove(HWND window, int x, int y) { SendMessageW(window, WM_NCLBUTTONDOWN, HTCAPTION, ScreenPoint(window, x, y)); }

void DrawNormal(int position, int button, int opacity) {
    if (button >= 1) Frame_DrawCaptionButton(position, button, CaptionLook::Normal, opacity);
}

// What a click on caption button `button` does. The window may be gone afterwards.
void ClickAction(HWND window, WindowSkinRecord& record, int button) {
    if (button < 1 || button > static_cast<int>(record.captionButtons.size())) return;
    CaptionButton& caption = record.captionButtons[button - 1];
    switch (caption.kind) {
        case 0:
            SendMessageW(window, WM_SYSCOMMAND, SC_CLOSE, 0);
            break;
        case 1:
            if (record.maximized == 1) {
                record.maximized = record.minimized = 0;
                caption.tipText = "最大化";
                SendMessageW(window, WM_SYSCOMMAND, SC_RESTORE, 0);
            } else {
                record.maximized = 1;
                record.minimized = 0;
                caption.tipText = "还原";
                SendMessageW(window, WM_SYSCOMMAND, SC_MAXIMIZE, 0);
            }
            break;
        case 2:
            record.minimized = 1;
            SendMessageW(window, WM_SYSCOMMAND, SC_MINIMIZE, 0);
            break;
        default:  // menu and help do nothing
            break;
    }
}

int FirstMaximiseButton(const WindowSkinRecord& record) {
    for (size_t i = 0; i < record.captionButtons.size(); ++i)
        if (record.captionButtons[i].kind == 1) return static_cast<int>(i) + 1;
    return 0;
}

}  // namespace

LRESULT Frame_OnLButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    WindowSkinRecord* record = Frame_Record(window, &position);
    if (!record) return Skin_PassOn(window, WM_LBUTTONDOWN, wParam, lParam);
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    const SIZE client = ClientSize(window);
    const int b = Skin_State().frameBorder;
    record->fadeIn.position = 0;
    if (record->hasTitleBar == 1 && record->maximized == 0 && record->minimized == 0) {
        const bool onButtons = x >= record->buttonsLeft && x <= record->buttonsLeft + record->buttonsWidth && y > 2 &&
                               y <= record->buttonsHeight;
        if (onButtons) {
            // the caption buttons take the press below
        } else if (y <= record->titleHeight && y > 3 && x > 3 && x < client.cx - b) {
            StartMove(window, x, y);
        } else {
            const EdgeZone* zone = record->resizable == 1 ? PressZone(x, y, client.cx, client.cy, b) : nullptr;
            if (zone) {
                record->frameDirty = 1;
                SetCursor(LoadCursorW(nullptr, zone->cursor));
                SendMessageW(window, WM_SYSCOMMAND, zone->command, ScreenPoint(window, x, y));
            } else if (y <= record->titleHeight) {
                StartMove(window, x, y);
            }
        }
        record = Frame_Record(window, &position);  // a move or size loop ran the procedure meanwhile
        if (!record) return Skin_PassOn(window, WM_LBUTTONDOWN, wParam, lParam);
    }
    if (record->hasTitleBar == 1) {
        g_hotCandidate = Frame_ButtonAt(*record, x, y);
        g_pressedWindow = g_hotCandidate > 0 ? window : nullptr;
        g_pressedButton = g_hotCandidate;
        if (g_hotCandidate > 0) Frame_DrawCaptionButton(position, g_hotCandidate, CaptionLook::Pressed, 0);
    }
    return Skin_PassOn(window, WM_LBUTTONDOWN, wParam, lParam);
}

LRESULT Frame_OnLButtonUp(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    WindowSkinRecord* record = Frame_Record(window, &position);
    const bool pressedHere = g_pressedWindow == window;
    const int pressed = g_pressedButton;
    g_pressedWindow = nullptr;
    g_pressedButton = 0;
    if (record && pressedHere && record->hasTitleBar == 1) {
        const int count = static_cast<int>(record->captionButtons.size());
        // The pressed button comes back up: lit when the mouse is still over it.
        if (pressed >= 1 && pressed <= count)
            DrawNormal(position, pressed, pressed == g_hotCandidate ? kFrameFadeSteps * kFrameFadeStepOpacity : 0);
        if (g_hotCandidate >= 1 && g_hotCandidate <= count) ClickAction(window, *record, g_hotCandidate);
    }
    return Skin_PassOn(window, WM_LBUTTONUP, wParam, lParam);
}

LRESULT Frame_OnLButtonDoubleClick(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) {
        if (GET_Y_LPARAM(lParam) <= record->titleHeight && record->resizable == 1) {
            if (const int button = FirstMaximiseButton(*record)) ClickAction(window, *record, button);
        }
    }
    return Skin_PassOn(window, WM_LBUTTONDBLCLK, wParam, lParam);
}

LRESULT Frame_OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    WindowSkinRecord* record = Frame_Record(window, &position);
    if (!record) return Skin_PassOn(window, WM_MOUSEMOVE, wParam, lParam);
    const int x = GET_X_LPARAM(lParam), y = GET_Y_LPARAM(lParam);
    if (record->mouseTracked == 0) {
        Window_TrackMouse(window, TME_HOVER | TME_LEAVE, 1);
    }
    if (record->hasTitleBar == 1 && record->maximized == 0 && record->resizable == 1) {
        const SIZE client = ClientSize(window);
        if (const EdgeZone* zone = HoverZone(x, y, client.cx, client.cy, Skin_State().frameBorder))
            SetCursor(LoadCursorW(nullptr, zone->cursor));
    }
    if (record->hasTitleBar == 1) {
        if (Frame_InButtonGroup(*record, x, y)) {
            if (record->fadeTimerOn == 0) {
                SetTimer(window, reinterpret_cast<UINT_PTR>(window), kFrameFadeInterval, nullptr);
                record->fadeTimerOn = 1;
            }
        } else {
            record->fadeTimerOn = 0;  // the timer runs on until the fades end
        }
        g_hotCandidate = Frame_ButtonAt(*record, x, y);
        if (record->hotButton >= 1 && record->hotButton != g_hotCandidate) {
            if (record->fadeOut.step < kFrameFadeSteps) DrawNormal(position, record->fadeOut.position, 0);
            record->fadeOut = {record->hotButton, 0};
        }
        if (g_hotCandidate >= 1 && g_hotCandidate != record->hotButton) record->fadeIn = {g_hotCandidate, 0};
        record->hotButton = g_hotCandidate;
    }
    return Skin_PassOn(window, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT Frame_OnMouseHover(HWND window, WPARAM wParam, LPARAM lParam) {
    if (WindowSkinRecord* record = Frame_Record(window)) record->mouseTracked = 1;
    return Skin_PassOn(window, WM_MOUSEHOVER, wParam, lParam);
}

LRESULT Frame_OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    if (WindowSkinRecord* record = Frame_Record(window, &position)) {
        record->mouseTracked = 0;
        if (record->hotButton >= 1 && record->hasTitleBar == 1) {
            if (record->fadeOut.step < kFrameFadeSteps && record->fadeIn.step < kFrameFadeSteps) {
                DrawNormal(position, record->fadeOut.position, 0);
                record->fadeIn = {};
            }
            record->fadeOut = {record->hotButton, 0};
            record->hotButton = 0;
        }
    }
    return Skin_PassOn(window, WM_MOUSELEAVE, wParam, lParam);
}

LRESULT Frame_OnTimer(HWND window, WPARAM wParam, LPARAM lParam) {
    int position = 0;
    WindowSkinRecord* record = Frame_Record(window, &position);
    if (record && wParam == reinterpret_cast<WPARAM>(window)) {
        if (record->fadeIn.position >= 1 && record->fadeIn.step < kFrameFadeSteps) {
            ++record->fadeIn.step;
            DrawNormal(position, record->fadeIn.position, record->fadeIn.step * kFrameFadeStepOpacity);
        }
        if (record->fadeOut.position >= 1 && record->fadeOut.step < kFrameFadeSteps) {
            ++record->fadeOut.step;
            DrawNormal(position, record->fadeOut.position,
                       (kFrameFadeSteps - record->fadeOut.step) * kFrameFadeStepOpacity);
        }
        if ((record->mouseTracked == 0 || record->fadeTimerOn == 0) &&
            (record->fadeOut.step >= kFrameFadeSteps || record->fadeOut.position == 0)) {
            record->fadeTimerOn = 0;
            KillTimer(window, reinterpret_cast<UINT_PTR>(window));
            record->hotButton = 0;
            record->fadeIn = {};
            record->fadeOut = {};
        }
    }
    return Skin_PassOn(window, WM_TIMER, wParam, lParam);
}
