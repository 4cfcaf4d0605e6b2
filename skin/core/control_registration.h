// Taking over a control's drawing: the common registration steps of every painted kind, finding a control's
// entry again from its properties, and passing unconsumed messages on to the procedure that was replaced.
#pragma once

#include <windows.h>

#include <vector>

#include "skin/core/skin_registry.h"
#include "skin/core/window_skin_record.h"

template <typename Entry>
constexpr bool Skin_UsesToolbarProperties() {
    if constexpr (requires { Entry::kToolbarProperties; }) {
        return Entry::kToolbarProperties;
    } else {
        return false;
    }
}

// Replaces window's procedure with procedure and keeps the replaced one in the property procProperty; gives the
// replaced procedure. A window that already has a procedure kept under that name is left as it is and the kept
// procedure is given, so that passing a message on never comes back to a skin procedure.
LONG_PTR Skin_Subclass(HWND window, WNDPROC procedure, const wchar_t* procProperty = SkinProp::kProc);

// Calls the procedure kept in Hw_hProc (Kj_hProc for toolbars) with the message unchanged and gives its result;
// a window with no kept procedure gets DefWindowProcW.
LRESULT Skin_PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT Skin_PassOnToolbar(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Calls visit(child) for each direct child of parent whose window class is className, in the system's order.
template <typename Visit>
void Skin_ForEachChildOfClass(HWND parent, const wchar_t* className, Visit&& visit) {
    for (HWND child = FindWindowExW(parent, nullptr, className, nullptr); child;
         child = FindWindowExW(parent, child, className, nullptr)) {
        visit(child);
    }
}

// Position of control's entry in list; 0 when it has none.
template <typename Entry>
int Skin_FindEntry(const std::vector<Entry>& list, HWND control) {
    if (!control) return 0;
    for (size_t i = 0; i < list.size(); ++i) {
        if (list[i].control == control) return static_cast<int>(i) + 1;
    }
    return 0;
}

// The common registration steps: takes the list's placeholder while it is the only entry, else appends a zeroed
// entry; stores the control, writes its position properties and subclasses it with procedure. Gives the entry's
// position, 0 when there is no such record or control. A control already in the list keeps its entry, its
// position and its kept procedure; registering it again changes nothing.
template <typename Entry>
int Skin_RegisterControl(int recordPosition, std::vector<Entry>& list, HWND control, WNDPROC procedure) {
    if (!Skin_RecordAt(recordPosition) || !control || !IsWindow(control)) return 0;
    if (int known = Skin_FindEntry(list, control)) return known;
    int position;
    if (list.size() == 1 && !list.front().control) {
        position = 1;
    } else {
        list.push_back(Entry{});
        position = static_cast<int>(list.size());
    }
    Entry& entry = list[position - 1];
    entry.control = control;
    constexpr bool toolbar = Skin_UsesToolbarProperties<Entry>();
    Prop_SetInt(control, toolbar ? SkinProp::kToolbarListId : SkinProp::kListId, position);
    Prop_SetInt(control, toolbar ? SkinProp::kToolbarOwnerId : SkinProp::kOwnerId, recordPosition);
    const LONG_PTR previous = Skin_Subclass(control, procedure, toolbar ? SkinProp::kToolbarProc : SkinProp::kProc);
    if constexpr (requires { entry.previousProc; }) entry.previousProc = previous;
    return position;
}

// The entry of a registered control in one of its record's lists, found through its properties; null when either
// stored position lies outside the registry or the list, or the entry belongs to another window. A procedure that
// gets null passes the message on unchanged.
template <typename Entry>
Entry* Skin_ControlEntry(HWND control, std::vector<Entry> WindowSkinRecord::*list) {
    constexpr bool toolbar = Skin_UsesToolbarProperties<Entry>();
    WindowSkinRecord* record = Skin_ControlRecord(control, toolbar);
    if (!record) return nullptr;
    std::vector<Entry>& entries = record->*list;
    const LONG_PTR position = Prop_GetInt(control, toolbar ? SkinProp::kToolbarListId : SkinProp::kListId);
    if (position < 1 || position > static_cast<LONG_PTR>(entries.size())) return nullptr;
    Entry& entry = entries[position - 1];
    return entry.control == control ? &entry : nullptr;
}
