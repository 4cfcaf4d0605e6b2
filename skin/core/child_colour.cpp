#include "skin/core/child_colour.h"

#include <commctrl.h>

#include <cstring>

#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/edit_combo.h"
#include "skin/painters/basic/scroll_bar.h"

namespace {

bool Translucent() {
    const SkinState& state = Skin_State();
    return state.skinControls == 1 && state.translucentControls == 1;
}

bool IsClass(HWND window, const char* name) {
    return window && _stricmp(Window_GetClassName(window).c_str(), name) == 0;
}

void PrepareText(HDC dc, HWND child) {
    SetTextColor(dc, static_cast<COLORREF>(Prop_GetInt(child, SkinProp::kTextColour)));
    SetBkMode(dc, TRANSPARENT);
}

// A pattern brush of the veiled skin background behind the child; the brush and its bitmap stay with the child
// until its next colour message.
bool BackdropBrush(HDC dc, HWND child, LRESULT& brush) {
    PrepareText(dc, child);
    HBRUSH pattern = Control_RenewBackdropBrush(child);
    if (!pattern) return false;
    brush = reinterpret_cast<LRESULT>(pattern);
    return true;
}

// The stock hollow brush: the child paints no background of its own.
bool HollowBrush(HDC dc, HWND child, LRESULT& brush) {
    PrepareText(dc, child);
    Prop_DeleteObject(child, SkinProp::kColourBrush);
    HGDIOBJ hollow = GetStockObject(NULL_BRUSH);
    SetPropW(child, SkinProp::kColourBrush, hollow);
    brush = reinterpret_cast<LRESULT>(hollow);
    return true;
}

bool IsPlainListBox(HWND child) {
    const LONG_PTR ownerDrawn = LBS_OWNERDRAWFIXED | LBS_OWNERDRAWVARIABLE;
    return IsClass(child, "ListBox") && (GetWindowLongPtrW(child, GWL_STYLE) & ownerDrawn) == 0;
}

void Refresh(HWND child) {
    InvalidateRect(child, nullptr, TRUE);
}

// After a change of its text an edit box's companion scroll bars show the new range and position.
void RepaintEditBars(HWND edit) {
    EditEntry* entry = Skin_ControlEntry(edit, &WindowSkinRecord::editBoxes);
    if (!entry) return;
    const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
    if (entry->verticalBar && (style & WS_VSCROLL)) Scroll_PaintBar(edit, SB_VERT, kScrollNone);
    if (entry->horizontalBar && (style & WS_HSCROLL)) Scroll_PaintBar(edit, SB_HORZ, kScrollNone);
}

} // namespace

void Skin_RelayChildNotify(const NMHDR& header) {
    switch (header.code) {
    case TVN_ITEMEXPANDINGA:
    case TVN_ITEMEXPANDEDA:
    case TVN_ITEMEXPANDINGW: // a tree view of a Unicode window notifies in its own codes
    case TVN_ITEMEXPANDEDW:
        InvalidateRect(header.hwndFrom, nullptr, TRUE);
        break;
    default:
        break;
    }
}

void Skin_DropChildColourObjects(HWND parent) {
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsClass(child, "ToolbarWindow32")) continue; // its Kj_wtjb is its image list, which it keeps
        Control_DropBackdropBrush(child);
    }
}

bool Skin_AnswerChildColour(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& brush) {
    if (!Translucent()) return false;
    HDC dc = reinterpret_cast<HDC>(wParam);
    HWND child = reinterpret_cast<HWND>(lParam);
    if (!child) return false;
    switch (message) {
    case WM_CTLCOLORSTATIC:
        return BackdropBrush(dc, child, brush);
    case WM_CTLCOLOREDIT:
        if (IsClass(GetParent(child), "ComboBox")) return false;
        return BackdropBrush(dc, child, brush);
    case WM_CTLCOLORBTN:
        return HollowBrush(dc, child, brush);
    case WM_CTLCOLORLISTBOX:
        if (!IsPlainListBox(child)) return false;
        return HollowBrush(dc, child, brush);
    default:
        return false;
    }
}

void Skin_RelayChildCommand(WPARAM wParam, LPARAM lParam) {
    HWND child = reinterpret_cast<HWND>(lParam);
    if (!child || !Translucent()) return;
    const WORD code = HIWORD(wParam);
    if (IsClass(child, "Edit")) {
        switch (code) {
        case EN_VSCROLL:
        case EN_HSCROLL:
        case EN_UPDATE:
            Refresh(child);
            break;
        case EN_CHANGE:
            Refresh(child);
            RepaintEditBars(child);
            break;
        default:
            break;
        }
    } else if (IsClass(child, "ListBox")) {
        if (code == LBN_SELCHANGE || code == LBN_SELCANCEL) Refresh(child);
    } else if (IsClass(child, "ComboBox")) {
        if (code == CBN_SELCHANGE || code == CBN_KILLFOCUS) Refresh(child);
    }
}
