// Finding the list-family children of a dressed window (or a container) and taking them over.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/painters/basic/scroll_bar.h"
#include "skin/painters/lists/list_painter.h"

namespace {

constexpr LONG_PTR kOwnerDrawFixed = 0x10; // LBS_OWNERDRAWFIXED on a combo list; the same bit excludes list views
constexpr COLORREF kColourKey = 0xFF00FF;

LONG_PTR StyleOf(HWND window) {
    return GetWindowLongPtrW(window, GWL_STYLE);
}

// Takes control over; list boxes, combo lists, list views and tree views also get both companion bars, each shown
// only while the control has its scroll style and is visible.
void RegisterOne(int n, HWND control, bool withBars) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return;
    const int position = Skin_RegisterControl(n, record->listControls, control, List_WindowProc);
    if (position < 1) return;
    if (withBars && !record->listControls[position - 1].verticalBar) {
        const LONG_PTR style = StyleOf(control);
        const bool visible = (style & WS_VISIBLE) != 0;
        HWND vertical = Scroll_CreateBar(control, SB_VERT, visible && (style & WS_VSCROLL));
        HWND horizontal = Scroll_CreateBar(control, SB_HORZ, visible && (style & WS_HSCROLL));
        ListEntry& entry = record->listControls[position - 1];
        entry.verticalBar = vertical;
        entry.horizontalBar = horizontal;
    }
    record->listControls[position - 1].dirty = 1;
}

} // namespace

void List_Register(int n, HWND parent) {
    if (!Skin_State().skinControls || !Skin_RecordAt(n) || !parent) return;
    const bool translucent = Skin_State().translucentControls != 0;

    Skin_ForEachChildOfClass(parent, WC_LISTBOXW, [&](HWND list) { RegisterOne(n, list, true); });
    // Only a simple combo box keeps its list among its children; the drop-down kinds have none to register.
    Skin_ForEachChildOfClass(parent, WC_COMBOBOXW, [&](HWND combo) {
        HWND list = FindWindowExW(combo, nullptr, L"ComboLBox", nullptr);
        if (list && !(StyleOf(list) & kOwnerDrawFixed)) RegisterOne(n, list, true);
    });
    Skin_ForEachChildOfClass(parent, WC_LISTVIEWW, [&](HWND view) {
        if (StyleOf(view) & kOwnerDrawFixed) return;
        if (translucent) SendMessageW(view, LVM_SETTEXTBKCOLOR, 0, static_cast<LPARAM>(CLR_NONE));
        RegisterOne(n, view, true);
    });
    Skin_ForEachChildOfClass(parent, WC_TREEVIEWW, [&](HWND tree) {
        if (translucent) SendMessageW(tree, TVM_SETBKCOLOR, 0, static_cast<LPARAM>(kColourKey));
        RegisterOne(n, tree, true);
    });
    Skin_ForEachChildOfClass(parent, WC_IPADDRESSW, [&](HWND address) { RegisterOne(n, address, false); });
    Skin_ForEachChildOfClass(parent, DATETIMEPICK_CLASSW, [&](HWND picker) { RegisterOne(n, picker, false); });
}
