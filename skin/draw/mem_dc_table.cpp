#include "skin/draw/mem_dc_table.h"

#include <algorithm>
#include <vector>

namespace {

struct MemDcEntry {
    HDC dc;
    HBITMAP bitmap;
    HGDIOBJ previous;
};

std::vector<MemDcEntry>& Table() {
    static std::vector<MemDcEntry> table;
    return table;
}

std::vector<MemDcEntry>::iterator Find(HDC dc) {
    auto& table = Table();
    return std::find_if(table.begin(), table.end(), [dc](const MemDcEntry& entry) { return entry.dc == dc; });
}

}  // namespace

void MemDc_Register(HDC dc, HBITMAP bitmap, HGDIOBJ previous) {
    auto it = Find(dc);
    if (it == Table().end()) {
        Table().push_back({dc, bitmap, previous});
        return;
    }
    if (it->bitmap && previous == it->bitmap) {
        // The new bitmap took the listed one's place (or the listed one is listed again): the DC's original object
        // stays the one to restore, and a displaced bitmap, owned by the table and selected nowhere, goes now.
        if (bitmap != it->bitmap) DeleteObject(it->bitmap);
        it->bitmap = bitmap;
        return;
    }
    it->bitmap = bitmap;
    it->previous = previous;
}

int MemDc_Release(HDC dc) {
    if (!dc) return 0;
    auto it = Find(dc);
    if (it == Table().end()) return 0;
    if (it->previous) {
        if (HGDIOBJ deselected = SelectObject(dc, it->previous)) DeleteObject(deselected);
    } else if (it->bitmap) {
        // Without an object to restore, the bitmap goes with the DC.
        DeleteDC(dc);
        DeleteObject(it->bitmap);
        Table().erase(it);
        return 1;
    }
    DeleteDC(dc);
    Table().erase(it);
    return 1;
}

int MemDc_Count() { return static_cast<int>(Table().size()); }
