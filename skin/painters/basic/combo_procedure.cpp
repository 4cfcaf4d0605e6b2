// The combo box's window procedure: its own painting, focus and hover looks, and the colour answer of its edit
// field.
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/edit_combo.h"
#include "skin/painters/basic/text_colour.h"
#include "toolkit/dispatch.h"

namespace {

constexpr int kComboHoverKind = 3;

ComboEntry* Entry(HWND combo) { return Skin_ControlEntry(combo, &WindowSkinRecord::comboBoxes); }
bool Translucent() { return Skin_State().translucentControls == 1; }
bool IsEdit(HWND window) { return window && lstrcmpiA(Window_GetClassName(window).c_str(), "Edit") == 0; }

LRESULT PassOn(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    return Skin_PassOn(combo, message, wParam, lParam);
}

LRESULT OnMove(HWND combo, WPARAM wParam, LPARAM lParam) {
    Combo_Paint(combo);
    return PassOn(combo, WM_MOVE, wParam, lParam);
}

LRESULT OnSetFocus(HWND combo, WPARAM wParam, LPARAM lParam) {
    if (ComboEntry* entry = Entry(combo)) entry->focused = 1;
    Combo_Paint(combo, {}, true);
    return PassOn(combo, WM_SETFOCUS, wParam, lParam);
}

LRESULT OnKillFocus(HWND combo, WPARAM wParam, LPARAM lParam) {
    if (ComboEntry* entry = Entry(combo)) entry->focused = 0;
    return PassOn(combo, WM_KILLFOCUS, wParam, lParam);
}

LRESULT OnSetText(HWND combo, WPARAM wParam, LPARAM lParam) {
    if (FindWindowExW(combo, nullptr, L"Edit", nullptr)) InvalidateRect(combo, nullptr, TRUE);
    return PassOn(combo, WM_SETTEXT, wParam, lParam);
}

LRESULT OnPaint(HWND combo, WPARAM wParam, LPARAM lParam) {
    PAINTSTRUCT paint;
    BeginPaint(combo, &paint);
    Combo_Paint(combo);
    EndPaint(combo, &paint);
    return DefWindowProcW(combo, WM_PAINT, wParam, lParam);
}

LRESULT OnEraseBackground(HWND, WPARAM wParam, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

LRESULT OnNcPaint(HWND combo, WPARAM, LPARAM lParam) {
    Combo_Paint(combo);
    return DefWindowProcW(combo, WM_NCPAINT, static_cast<WPARAM>(0xFFFFFFFFu), lParam);
}

LRESULT OnWindowPosChanging(HWND combo, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(combo);
    return PassOn(combo, WM_WINDOWPOSCHANGING, wParam, lParam);
}

// Changes to the edit field's text or scroll position leave stale pixels under its transparent background.
LRESULT OnCommand(HWND combo, WPARAM wParam, LPARAM lParam) {
    const SkinState& state = Skin_State();
    HWND sender = reinterpret_cast<HWND>(lParam);
    if (state.translucentControls == 1 && state.skinControls == 1 && IsEdit(sender)) {
        switch (HIWORD(wParam)) {
        case EN_VSCROLL:
        case EN_HSCROLL:
        case EN_CHANGE:
        case EN_UPDATE:
            InvalidateRect(sender, nullptr, TRUE);
            break;
        default:
            break;
        }
    }
    return PassOn(combo, WM_COMMAND, wParam, lParam);
}

// The edit field shows its text in its own colour over the veiled background behind it.
LRESULT OnColourEdit(HWND combo, WPARAM wParam, LPARAM lParam) {
    HWND edit = reinterpret_cast<HWND>(lParam);
    if (!Translucent() || !edit) return PassOn(combo, WM_CTLCOLOREDIT, wParam, lParam);
    HDC dc = reinterpret_cast<HDC>(wParam);
    SetTextColor(dc, Control_TextColour(edit));
    SetBkMode(dc, TRANSPARENT);
    HBRUSH brush = Control_RenewBackdropBrush(edit);
    if (!brush) return PassOn(combo, WM_CTLCOLOREDIT, wParam, lParam);
    return reinterpret_cast<LRESULT>(brush);
}

LRESULT OnMouseMove(HWND combo, WPARAM wParam, LPARAM lParam) {
    Window_TrackMouse(combo);
    if (WindowSkinRecord* record = Skin_ControlRecord(combo)) {
        record->hoverItem = static_cast<int>(Prop_GetInt(combo, SkinProp::kListId));
        if ((record->hoverItem > 0 && record->hoverItem != record->hoverPainted) ||
            record->hoverKind != kComboHoverKind) {
            Combo_Paint(combo, true);
        }
        record->hoverPainted = record->hoverItem;
        record->hoverKind = kComboHoverKind;
    }
    return PassOn(combo, WM_MOUSEMOVE, wParam, lParam);
}

LRESULT OnMouseLeave(HWND combo, WPARAM wParam, LPARAM lParam) {
    Combo_Paint(combo, false);
    if (WindowSkinRecord* record = Skin_ControlRecord(combo)) record->hoverPainted = 0;
    return PassOn(combo, WM_MOUSELEAVE, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_MOVE, OnMove},
    {WM_SETFOCUS, OnSetFocus},
    {WM_KILLFOCUS, OnKillFocus},
    {WM_SETTEXT, OnSetText},
    {WM_PAINT, OnPaint},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_NCPAINT, OnNcPaint},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_COMMAND, OnCommand},
    {WM_CTLCOLOREDIT, OnColourEdit},
    {WM_MOUSEMOVE, OnMouseMove},
    {WM_MOUSELEAVE, OnMouseLeave},
};

}  // namespace

LRESULT CALLBACK Combo_WindowProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!Entry(combo)) return Skin_PassOn(combo, message, wParam, lParam);
    return Dispatch(kRoutes, combo, message, wParam, lParam, Skin_PassOn);
}
