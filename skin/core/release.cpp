// Teardown of a dressed window's record and renumbering of the records that follow it.
#include "skin/core/skin_registry.h"

#include <utility>

namespace {

template <typename Entry>
void SetOwner(const std::vector<Entry>& list, const wchar_t* property, int position) {
    for (const Entry& entry : list) {
        if (entry.control) Prop_SetInt(entry.control, property, position);
        if constexpr (requires { entry.verticalBar; }) {
            if (entry.verticalBar) Prop_SetInt(entry.verticalBar, SkinProp::kOwnerId, position);
            if (entry.horizontalBar) Prop_SetInt(entry.horizontalBar, SkinProp::kOwnerId, position);
        }
    }
}

}  // namespace

void Skin_RenumberRecords() {
    const SkinRegistry& registry = Skin_Registry();
    for (size_t i = 0; i < registry.size(); ++i) {
        const WindowSkinRecord& record = *registry[i];
        const int position = static_cast<int>(i) + 1;
        if (record.window) Prop_SetInt(record.window, SkinProp::kListId, position);
        SetOwner(record.buttons, SkinProp::kOwnerId, position);
        SetOwner(record.editBoxes, SkinProp::kOwnerId, position);
        SetOwner(record.listControls, SkinProp::kOwnerId, position);
        SetOwner(record.trackBars, SkinProp::kOwnerId, position);
        SetOwner(record.progressBars, SkinProp::kOwnerId, position);
        SetOwner(record.comboBoxes, SkinProp::kOwnerId, position);
        SetOwner(record.upDowns, SkinProp::kOwnerId, position);
        SetOwner(record.headers, SkinProp::kOwnerId, position);
        SetOwner(record.labels, SkinProp::kOwnerId, position);
        SetOwner(record.containers, SkinProp::kOwnerId, position);
        SetOwner(record.toolbars, SkinProp::kToolbarOwnerId, position);
    }
}

void Skin_ReleaseWindow(HWND window) {
    const int position = Skin_FindWindowRecord(window);
    if (!position) return;
    SkinRegistry& registry = Skin_Registry();
    WindowSkinRecord& record = *registry[position - 1];

    for (const EditEntry& entry : record.editBoxes) {
        if (!entry.control) continue;
        Prop_DeleteObject(entry.control, SkinProp::kColourBitmap);
        Prop_DeleteObject(entry.control, SkinProp::kColourBrush);
    }
    Skin_ReleaseSurfaces(record);
    const LONG_PTR replaced = Prop_GetInt(window, SkinProp::kProc);
    if (replaced && IsWindow(window)) SetWindowLongPtrW(window, GWLP_WNDPROC, replaced);

    // The record leaves the registry before it is freed, and the survivors are renumbered first: whatever its
    // destruction sets off finds a consistent registry.
    std::unique_ptr<WindowSkinRecord> leaving = std::move(registry[position - 1]);
    registry.erase(registry.begin() + (position - 1));
    Skin_RenumberRecords();
}
