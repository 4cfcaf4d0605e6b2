#include "skin/draw/backdrop.h"

#include "skin/core/skin_registry.h"
#include "skin/draw/geometry.h"

namespace {

WindowSkinRecord* OwnerRecord(HWND window, bool toolbarOwner) {
    LONG_PTR position = Prop_GetInt(window, toolbarOwner ? SkinProp::kToolbarOwnerId : SkinProp::kOwnerId);
    if (position == 0) position = Prop_GetInt(window, SkinProp::kListId);
    return Skin_RecordAt(static_cast<int>(position));
}

}  // namespace

int Skin_NeedsRedraw(HWND control, bool toolbarOwner) {
    const LONG_PTR position = Prop_GetInt(control, toolbarOwner ? SkinProp::kToolbarOwnerId : SkinProp::kOwnerId);
    const WindowSkinRecord* record = Skin_RecordAt(static_cast<int>(position));
    if (!record) return 0;
    if (record->moving == 1) return record->sizing == 1 ? 1 : 0;
    return record->active == 1 ? 1 : 0;
}

void Skin_BlitBackdrop(HWND window, bool toolbarOwner, bool clipAllChildren, HDC dc) {
    const WindowSkinRecord* record = OwnerRecord(window, toolbarOwner);
    const RECT area = Window_ClientRectInTop(window);
    if (clipAllChildren) {
        if (dc) ReleaseDC(window, dc);
        dc = Skin_GetClippedDC(window);
    } else {
        dc = Dc_ExcludeChildren(window, dc);
    }
    if (!dc) return;
    if (record && record->frameCopyDC) {
        BitBlt(dc, 0, 0, area.right - area.left, area.bottom - area.top, record->frameCopyDC, area.left, area.top,
               SRCCOPY);
    }
    ReleaseDC(window, dc);
}

HDC Skin_GetClippedDC(HWND window, HDC dc) {
    if (!dc) dc = GetDC(window);
    if (!dc) return nullptr;
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child) || GetPropW(child, SkinProp::kOwnerId)) continue;
        RECT rect;
        GetWindowRect(child, &rect);
        MapWindowPoints(HWND_DESKTOP, window, reinterpret_cast<POINT*>(&rect), 2);
        ExcludeClipRect(dc, rect.left, rect.top, rect.right, rect.bottom);
    }
    return dc;
}
