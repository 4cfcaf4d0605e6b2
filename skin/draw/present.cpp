#include "skin/draw/present.h"

#include "skin/core/skin_registry.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"

namespace {

WindowSkinRecord* PresentRecord(HWND control, bool toolbarOwner) {
    LONG_PTR position = Prop_GetInt(control, toolbarOwner ? SkinProp::kToolbarOwnerId : SkinProp::kOwnerId);
    if (!position) position = Prop_GetInt(control, SkinProp::kListId);
    return Skin_RecordAt(static_cast<int>(position));
}

// frameCopyDC with the control's painted children clipped out, and the clip removed again afterwards.
template <typename Copy>
void PresentInto(HWND control, HDC target, Copy copy) {
    for (HWND child = Window_NextPaintedChild(control, nullptr); child;
         child = Window_NextPaintedChild(control, child)) {
        const RECT r = Window_RectInTop(child);
        ExcludeClipRect(target, r.left, r.top, r.right, r.bottom);
    }
    copy();
    SelectClipRgn(target, nullptr);
}

}  // namespace

HDC Skin_SnapshotBackground(HWND control, const RECT& area) {
    const WindowSkinRecord* record = Skin_RecordAt(Skin_FindOwnerRecord(control));
    const LONG width = area.right - area.left, height = area.bottom - area.top;
    if (!record || width <= 0 || height <= 0) return nullptr;

    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (!bitmap) return nullptr;
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc) {
        DeleteObject(bitmap);
        return nullptr;
    }
    MemDc_Register(dc, bitmap, SelectObject(dc, bitmap));

    const RECT at = Window_RectInTop(control);
    BitBlt(dc, 0, 0, width, height, record->frameDC, at.left + area.left, at.top + area.top, SRCCOPY);
    return dc;
}

void Skin_PresentControl(HWND control, HDC painted, bool toolbarOwner, bool wholeWindow) {
    const WindowSkinRecord* record = PresentRecord(control, toolbarOwner);
    if (!record || !record->frameCopyDC || !painted) return;
    HDC target = record->frameCopyDC;
    const RECT r = wholeWindow ? Window_RectInTop(control) : Window_ClientRectInTop(control);
    PresentInto(control, target, [&] {
        BitBlt(target, r.left, r.top, r.right - r.left, r.bottom - r.top, painted, 0, 0, SRCCOPY);
    });
}

void Skin_PresentControlKeyed(HWND control, HDC painted, COLORREF key, bool toolbarOwner) {
    const WindowSkinRecord* record = PresentRecord(control, toolbarOwner);
    if (!record || !record->frameCopyDC || !painted) return;
    HDC target = record->frameCopyDC;
    const RECT r = Window_RectInTop(control);
    const int width = r.right - r.left, height = r.bottom - r.top;
    PresentInto(control, target, [&] {
        TransparentBlt(target, r.left, r.top, width, height, painted, 0, 0, width, height, key);
    });
}
