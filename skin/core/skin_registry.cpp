#include "skin/core/skin_registry.h"

#include <algorithm>

SkinRegistry& Skin_Registry() {
    static SkinRegistry registry;
    return registry;
}

int Skin_AppendRecord(std::unique_ptr<WindowSkinRecord> record) {
    if (!record) return 0;
    SkinRegistry& registry = Skin_Registry();
    registry.push_back(std::move(record));
    return static_cast<int>(registry.size());
}

WindowSkinRecord* Skin_RecordAt(int position) {
    SkinRegistry& registry = Skin_Registry();
    if (position < 1 || static_cast<size_t>(position) > registry.size()) return nullptr;
    return registry[position - 1].get();
}

void Skin_ClearRegistry() {
    // Records go one at a time from the end, so a record being freed is never reachable from the registry.
    SkinRegistry& registry = Skin_Registry();
    while (!registry.empty()) {
        std::unique_ptr<WindowSkinRecord> last = std::move(registry.back());
        registry.pop_back();
    }
}

int Skin_FindWindowRecord(HWND window) {
    if (!window) return 0;
    const SkinRegistry& registry = Skin_Registry();
    for (size_t i = 0; i < registry.size(); ++i) {
        if (registry[i]->window == window) return static_cast<int>(i) + 1;
    }
    return 0;
}

int Skin_FindOwnerRecord(HWND window) {
    // GetParent gives the parent of a child and the owner of a pop-up; the walk ends at the root owner, whose
    // GetParent is null. Owners can be rearranged into a loop, so every window is visited once at most.
    std::vector<HWND> seen;
    for (HWND current = window; current; current = GetParent(current)) {
        if (std::find(seen.begin(), seen.end(), current) != seen.end()) break;
        seen.push_back(current);
        if (int position = Skin_FindWindowRecord(current)) return position;
    }
    return 0;
}

void Prop_SetInt(HWND window, const wchar_t* name, LONG_PTR value) {
    SetPropW(window, name, reinterpret_cast<HANDLE>(value));
}

LONG_PTR Prop_GetInt(HWND window, const wchar_t* name) { return reinterpret_cast<LONG_PTR>(GetPropW(window, name)); }

void Prop_DeleteObject(HWND window, const wchar_t* name) {
    if (HANDLE object = GetPropW(window, name)) {
        DeleteObject(static_cast<HGDIOBJ>(object));
        SetPropW(window, name, nullptr);
    }
}

namespace {

// A stored position is pointer-sized; it is checked before it is narrowed.
WindowSkinRecord* RecordAtStored(LONG_PTR position) {
    if (position < 1 || position > static_cast<LONG_PTR>(Skin_Registry().size())) return nullptr;
    return Skin_RecordAt(static_cast<int>(position));
}

}  // namespace

WindowSkinRecord* Skin_WindowRecord(HWND window) {
    WindowSkinRecord* record = RecordAtStored(Prop_GetInt(window, SkinProp::kListId));
    return record && record->window == window ? record : nullptr;
}

WindowSkinRecord* Skin_ControlRecord(HWND control, bool toolbar) {
    return RecordAtStored(Prop_GetInt(control, toolbar ? SkinProp::kToolbarOwnerId : SkinProp::kOwnerId));
}
