// Which header item lies under a point. Near an item's edges the user grabs a divider, so those bands count as
// no item.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/skin_registry.h"
#include "skin/painters/lists/header_painter.h"

namespace {
constexpr int kDividerBand = 5;
}

int Header_ItemAtPoint(int n, int entry, LPARAM lParam) {
    const WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record || entry < 1 || entry > static_cast<int>(record->headers.size())) return 0;
    HWND header = record->headers[entry - 1].control;
    if (!header) return 0;
    const int x = static_cast<short>(LOWORD(lParam));
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    for (int i = 1; i <= count; ++i) {
        RECT r{};
        if (!SendMessageW(header, HDM_GETITEMRECT, i - 1, reinterpret_cast<LPARAM>(&r))) continue;
        if (r.left + kDividerBand <= x && x <= r.right - kDividerBand) return i;
    }
    return 0;
}
