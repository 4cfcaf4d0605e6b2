// Making a window a container of its dressed window, and undoing it when the window goes.
#include "skin/core/control_registration.h"
#include "skin/core/register_controls.h"
#include "skin/core/skin_registry.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/container.h"

void Container_Register(HWND window) {
    const int owner = Skin_FindOwnerRecord(window);
    WindowSkinRecord* record = Skin_RecordAt(owner);
    if (!record || Skin_FindContainerEntry(owner, window) > 0) return;
    const int position = Skin_RegisterControl(owner, record->containers, window, Container_WindowProc);
    if (!position) return;
    {
        RECT client{};
        GetClientRect(window, &client);
        ContainerEntry& entry = record->containers[position - 1];
        entry.clientRight = client.right;
        entry.clientBottom = client.bottom;
        entry.repaint = 1;
    }
    // The children are dressed like a dressed window's, nested toolbars (and their containers) included. The list
    // may grow meanwhile, so the entry is not held across this call.
    Skin_RegisterChildControls(owner, window);
}

void Container_Unregister(int recordPosition, int containerPosition) {
    WindowSkinRecord* record = Skin_RecordAt(recordPosition);
    if (!record || containerPosition < 1 || containerPosition > static_cast<int>(record->containers.size())) return;
    HWND window = record->containers[containerPosition - 1].control;
    if (window && IsWindow(window)) {
        if (const LONG_PTR replaced = Prop_GetInt(window, SkinProp::kProc))
            SetWindowLongPtrW(window, GWLP_WNDPROC, replaced);
    }
    record->containers.erase(record->containers.begin() + (containerPosition - 1));
    for (size_t i = 0; i < record->containers.size(); ++i) {
        if (HWND control = record->containers[i].control)
            Prop_SetInt(control, SkinProp::kListId, static_cast<LONG_PTR>(i) + 1);
    }
}
