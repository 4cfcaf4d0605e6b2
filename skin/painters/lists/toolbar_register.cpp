// Finding the toolbars of a dressed window or container and taking over their drawing.
#include <windows.h>
#include <commctrl.h>

#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "skin/painters/basic/button_painter.h"
#include "skin/painters/lists/container.h"
#include "skin/painters/lists/toolbar_painter.h"

void Toolbar_Register(int, HWND parent) {
    Skin_ForEachChildOfClass(parent, TOOLBARCLASSNAMEW, [](HWND toolbar) {
        // The image list stays the toolbar's; the property only remembers which one it was at registration.
        SetPropW(toolbar, SkinProp::kColourBitmap,
                 reinterpret_cast<HANDLE>(SendMessageW(toolbar, TB_GETIMAGELIST, 0, 0)));
        const int owner = Skin_FindOwnerRecord(toolbar);
        WindowSkinRecord* record = Skin_RecordAt(owner);
        if (!record) return;
        const int position = Skin_RegisterControl(owner, record->toolbars, toolbar, Toolbar_WindowProc);
        if (!position) return;
        ToolbarEntry& entry = record->toolbars[position - 1];
        entry.dirty = 1;
        const ControlFont font = Control_ReadFont(toolbar);
        entry.fontName = font.family;
        entry.fontSize = font.size;
        entry.fontStyle = font.style;
        if (GetWindow(toolbar, GW_CHILD)) Container_Register(toolbar);
    });
}
