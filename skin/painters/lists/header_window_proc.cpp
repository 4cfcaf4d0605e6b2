// The replacement procedure of headers: the header paints itself entirely through Header_Draw; the mouse moves
// the hover highlight and the left button the pressed look. Everything else goes on unchanged.
#include <windows.h>

#include <commctrl.h>

#include "skin/core/control_registration.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/header_painter.h"
#include "toolkit/dispatch.h"

namespace {

struct HeaderTarget {
    WindowSkinRecord* record = nullptr;
    HeaderEntry* entry = nullptr;
    int recordPosition = 0;
    int entryPosition = 0;
    explicit operator bool() const { return entry != nullptr; }
};

HeaderTarget TargetOf(HWND window) {
    HeaderTarget target;
    target.entry = Skin_ControlEntry(window, &WindowSkinRecord::headers);
    if (!target.entry) return target;
    target.recordPosition = static_cast<int>(Prop_GetInt(window, SkinProp::kOwnerId));
    target.entryPosition = static_cast<int>(Prop_GetInt(window, SkinProp::kListId));
    target.record = Skin_RecordAt(target.recordPosition);
    return target;
}

template <UINT Message> LRESULT PassOn(HWND window, WPARAM wParam, LPARAM lParam) {
    return Skin_PassOn(window, Message, wParam, lParam);
}

// The image list belongs to whoever set it (a list view shares its small image list with its header), so the
// header's end only forgets it.
LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HeaderTarget target = TargetOf(window)) target.entry->imageList = nullptr;
    return PassOn<WM_NCDESTROY>(window, wParam, lParam);
}

LRESULT OnMouseMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HeaderTarget target = TargetOf(window)) {
        Window_TrackMouse(window);
        WindowSkinRecord& record = *target.record;
        HeaderEntry& entry = *target.entry;
        record.hoverItem = target.entryPosition;
        entry.hovered = 1;
        entry.hotItem = Header_ItemAtPoint(target.recordPosition, target.entryPosition, lParam);
        record.hoverKind = kHeaderHoverKind;
        if (entry.hotItem != entry.lastHotItem && entry.hotItem >= 1 && entry.pressed == 0) {
            Header_Draw(target.recordPosition, target.entryPosition);
            entry.lastHotItem = entry.hotItem;
        } else if (entry.hotItem == 0) {
            entry.lastHotItem = entry.hotItem = entry.hovered = 0;
            Header_Draw(target.recordPosition, target.entryPosition);
        }
        record.hoverPainted = record.hoverItem;
    }
    return PassOn<WM_MOUSEMOVE>(window, wParam, lParam);
}

LRESULT OnMouseLeave(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HeaderTarget target = TargetOf(window)) {
        target.record->hoverPainted = 0;
        HeaderEntry& entry = *target.entry;
        entry.lastHotItem = entry.hotItem = entry.hovered = 0;
        Header_Draw(target.recordPosition, target.entryPosition);
    }
    return PassOn<WM_MOUSELEAVE>(window, wParam, lParam);
}

LRESULT OnMove(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HeaderTarget target = TargetOf(window)) Header_Draw(target.recordPosition, target.entryPosition);
    return PassOn<WM_MOVE>(window, wParam, lParam);
}

LRESULT OnEraseBackground(HWND, WPARAM wParam, LPARAM) {
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

LRESULT OnPaint(HWND window, WPARAM wParam, LPARAM lParam) {
    HeaderTarget target = TargetOf(window);
    PAINTSTRUCT paint;
    BeginPaint(window, &paint);
    Header_Draw(target.recordPosition, target.entryPosition);
    EndPaint(window, &paint);
    return DefWindowProcW(window, WM_PAINT, wParam, lParam);
}

LRESULT OnButtonDown(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HeaderTarget target = TargetOf(window)) {
        target.entry->pressed = 1;
        if (target.entry->hotItem >= 1) target.entry->pressedItem = target.entry->hotItem;
    }
    return PassOn<WM_LBUTTONDOWN>(window, wParam, lParam);
}

LRESULT OnButtonUp(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HeaderTarget target = TargetOf(window)) target.entry->pressed = target.entry->pressedItem = 0;
    return PassOn<WM_LBUTTONUP>(window, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_NCDESTROY, OnNcDestroy},        {WM_MOUSEMOVE, OnMouseMove},
    {WM_MOUSELEAVE, OnMouseLeave},      {WM_MOVE, OnMove},
    {WM_ERASEBKGND, OnEraseBackground}, {WM_PAINT, OnPaint},
    {WM_LBUTTONDOWN, OnButtonDown},     {WM_LBUTTONUP, OnButtonUp},
};

} // namespace

LRESULT CALLBACK Header_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!TargetOf(window)) return Skin_PassOn(window, message, wParam, lParam);
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}
