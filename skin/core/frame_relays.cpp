// The frame procedure's answers to its children: colour messages that make them translucent, owner-draw requests
// relayed to the button painter, and notifications that make controls repaint.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/child_colour.h"
#include "skin/core/frame_internal.h"
#include "skin/core/skin_registry.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/button_painter.h"

namespace {

// Colour answers are shared with the containers: a brush to return, or the message goes on unchanged.
LRESULT AnswerColour(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    LRESULT brush = 0;
    if (Skin_AnswerChildColour(message, wParam, lParam, brush)) return brush;
    return Skin_PassOn(window, message, wParam, lParam);
}

bool ClassIs(HWND window, const char* name) { return window && Window_GetClassName(window) == name; }

void MarkContainerRepaint(HWND control) {
    WindowSkinRecord* record = Skin_ControlRecord(control);
    const LONG_PTR entry = Prop_GetInt(control, SkinProp::kListId);
    if (!record || entry < 1 || entry > static_cast<LONG_PTR>(record->containers.size())) return;
    if (record->containers[entry - 1].control == control) record->containers[entry - 1].repaint = 1;
}

}  // namespace

LRESULT Frame_OnCtlColorStatic(HWND window, WPARAM wParam, LPARAM lParam) {
    return AnswerColour(window, WM_CTLCOLORSTATIC, wParam, lParam);
}

LRESULT Frame_OnCtlColorEdit(HWND window, WPARAM wParam, LPARAM lParam) {
    return AnswerColour(window, WM_CTLCOLOREDIT, wParam, lParam);
}

LRESULT Frame_OnCtlColorButton(HWND window, WPARAM wParam, LPARAM lParam) {
    return AnswerColour(window, WM_CTLCOLORBTN, wParam, lParam);
}

LRESULT Frame_OnCtlColorListBox(HWND window, WPARAM wParam, LPARAM lParam) {
    return AnswerColour(window, WM_CTLCOLORLISTBOX, wParam, lParam);
}

LRESULT Frame_OnDrawItem(HWND window, WPARAM wParam, LPARAM lParam) {
    if (lParam) {
        const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        if (item.CtlType == ODT_BUTTON) Button_RelayDrawItem(&item);
    }
    return Skin_PassOn(window, WM_DRAWITEM, wParam, lParam);
}

LRESULT Frame_OnNotify(HWND window, WPARAM wParam, LPARAM lParam) {
    if (lParam) {
        const NMHDR header = *reinterpret_cast<const NMHDR*>(lParam);
        Skin_RelayChildNotify(header);
        switch (header.code) {
            case TCN_SELCHANGING:
                MarkContainerRepaint(header.hwndFrom);
                break;
            case UDN_DELTAPOS:
                if (HWND parent = GetParent(header.hwndFrom); ClassIs(parent, "SysTabControl32"))
                    MarkContainerRepaint(parent);
                break;
            default:
                break;
        }
    }
    return Skin_PassOn(window, WM_NOTIFY, wParam, lParam);
}

LRESULT Frame_OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_RelayChildCommand(wParam, lParam);
    return Skin_PassOn(window, WM_COMMAND, wParam, lParam);
}
