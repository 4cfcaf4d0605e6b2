// Taking over a dressed window's edit boxes and combo boxes.
#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/painters/basic/edit_combo.h"
#include "skin/painters/basic/scroll_bar.h"

#include <string>

namespace {

void ResetTextColour(HWND control) { Prop_SetInt(control, SkinProp::kTextColour, 0); }

// Gives the edit box an entry and its procedure; existing entries are kept as they are. Gives the entry's
// position, 0 when nothing was registered.
int RegisterEdit(int n, HWND edit, bool withBars) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record || Skin_FindEntry(record->editBoxes, edit)) return 0;
    const int position = Skin_RegisterControl(n, record->editBoxes, edit, Edit_WindowProc);
    if (!position) return 0;
    if (withBars) {
        const LONG_PTR style = GetWindowLongPtrW(edit, GWL_STYLE);
        const bool visible = (style & WS_VISIBLE) != 0;
        // Creating a companion may send messages to the parent; the entry is found again afterwards.
        HWND vertical = (style & WS_VSCROLL) ? Scroll_CreateBar(edit, SB_VERT, visible) : nullptr;
        HWND horizontal = (style & WS_HSCROLL) ? Scroll_CreateBar(edit, SB_HORZ, visible) : nullptr;
        EditEntry& entry = Skin_RecordAt(n)->editBoxes[position - 1];
        entry.verticalBar = vertical;
        entry.horizontalBar = horizontal;
    }
    ResetTextColour(edit);
    return position;
}

// A combo box that shows a selection carries its text as its window text.
void SyncSelectedText(HWND combo) {
    const LRESULT index = SendMessageW(combo, CB_GETCURSEL, 0, 0);
    if (index < 0) return;
    const LRESULT length = SendMessageW(combo, CB_GETLBTEXTLEN, static_cast<WPARAM>(index), 0);
    if (length < 0) return;
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied =
        SendMessageW(combo, CB_GETLBTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
    if (copied < 0) return;
    text.resize(static_cast<size_t>(copied));
    SendMessageW(combo, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(text.c_str()));
}

// Combo boxes are not looked up first: each one found gets an entry of its own.
void RegisterCombo(int n, HWND combo) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return;
    std::vector<ComboEntry>& list = record->comboBoxes;
    int position;
    if (list.size() == 1 && !list.front().control) {
        position = 1;
    } else {
        list.push_back(ComboEntry{});
        position = static_cast<int>(list.size());
    }
    SyncSelectedText(combo);
    record = Skin_RecordAt(n);
    if (!record) return;
    ComboEntry& entry = record->comboBoxes[position - 1];
    entry.control = combo;
    Prop_SetInt(combo, SkinProp::kListId, position);
    Prop_SetInt(combo, SkinProp::kOwnerId, n);
    const LONG_PTR previous = Skin_Subclass(combo, Combo_WindowProc);
    Skin_RecordAt(n)->comboBoxes[position - 1].previousProc = previous;

    if (Skin_State().translucentControls == 1) {
        if (HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr)) RegisterEdit(n, edit, false);
    }
}

}  // namespace

void EditCombo_Register(int n, HWND parent) {
    if (Skin_State().skinControls == 0 || !Skin_RecordAt(n) || !parent) return;
    Skin_ForEachChildOfClass(parent, L"Edit", [n](HWND edit) { RegisterEdit(n, edit, true); });
    Skin_ForEachChildOfClass(parent, L"ComboBox", [n](HWND combo) { RegisterCombo(n, combo); });
}
