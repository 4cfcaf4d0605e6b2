// A toolbar's full redraw: every button composed over the skin background in one picture, which goes into the
// frame copy and onto the toolbar.
#include <windows.h>
#include <commctrl.h>

#include "skin/core/control_registration.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/painters/lists/toolbar_painter.h"

void Toolbar_Draw(HWND window) {
    const int count = static_cast<int>(SendMessageW(window, TB_BUTTONCOUNT, 0, 0));
    const int hot = static_cast<int>(SendMessageW(window, TB_GETHOTITEM, 0, 0));
    // The client area where it lies in the window: the frame copy is read and written at the same place.
    const RECT area = Window_ClientInset(window);
    HDC picture = Skin_SnapshotBackground(window, area);
    if (picture) {
        for (int i = 0; i < count; ++i)
            Toolbar_DrawButton(window, i, picture, i == hot);
        Skin_PresentControl(window, picture, true);
        if (HDC dc = Dc_ExcludeChildren(window)) {
            BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, picture, 0, 0, SRCCOPY);
            ReleaseDC(window, dc);
        }
        MemDc_Release(picture);
    }
    if (ToolbarEntry* entry = Skin_ControlEntry(window, &WindowSkinRecord::toolbars)) entry->dirty = 0;
}
