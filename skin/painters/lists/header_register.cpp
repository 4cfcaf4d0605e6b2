// Finding the headers of a dressed window (or a container): stand-alone ones, then each list view's own.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/painters/basic/button_painter.h"
#include "skin/painters/lists/header_painter.h"

namespace {

void RegisterOne(int n, HWND header) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return;
    const int position = Skin_RegisterControl(n, record->headers, header, Header_WindowProc);
    if (position < 1) return;
    const ControlFont font = Control_ReadFont(header);
    HeaderEntry& entry = record->headers[position - 1];
    entry.buttonStyle = (GetWindowLongPtrW(header, GWL_STYLE) & HDS_BUTTONS) ? 1 : 0;
    entry.fontName = font.family;
    entry.fontSize = font.size;
    entry.fontStyle = font.style;
    entry.imageList = reinterpret_cast<HANDLE>(SendMessageW(header, HDM_GETIMAGELIST, 0, 0));
}

} // namespace

void Header_Register(int n, HWND parent) {
    if (!Skin_State().skinControls || !Skin_RecordAt(n) || !parent) return;
    Skin_ForEachChildOfClass(parent, WC_HEADERW, [n](HWND header) { RegisterOne(n, header); });
    Skin_ForEachChildOfClass(parent, WC_LISTVIEWW, [n](HWND view) {
        if (HWND header = FindWindowExW(view, nullptr, WC_HEADERW, nullptr)) RegisterOne(n, header);
    });
}
