#include "skin/core/window_skin_record.h"

#include <utility>

namespace {

void DeleteDcAndBitmap(HDC dc) {
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);  // a DC's own stock bitmap ignores this
}

SurfaceRelease surfaceRelease = DeleteDcAndBitmap;

}  // namespace

void Skin_SetSurfaceRelease(SurfaceRelease release) { surfaceRelease = release ? release : DeleteDcAndBitmap; }

WindowSkinRecord::WindowSkinRecord()
    : buttons(1), editBoxes(1), listControls(1), trackBars(1), progressBars(1), comboBoxes(1), upDowns(1),
      headers(1), toolbars(1), labels(1), containers(1) {}

WindowSkinRecord::~WindowSkinRecord() {
    Skin_ReleaseSurfaces(*this);
    if (tooltip && IsWindow(tooltip)) DestroyWindow(tooltip);
}

void Skin_ReleaseSurfaces(WindowSkinRecord& record) {
    const bool alive = record.window && IsWindow(record.window);
    if (record.frameDC) {
        // The window keeps the frame surface's original and current bitmaps; once the window is gone, the bitmap
        // still selected is the frame bitmap.
        HGDIOBJ original = alive ? GetPropW(record.window, SkinProp::kFrameOldBitmap) : nullptr;
        HGDIOBJ frame = alive ? GetPropW(record.window, SkinProp::kFrameBitmap) : nullptr;
        if (original) SelectObject(record.frameDC, original);
        if (!frame) frame = GetCurrentObject(record.frameDC, OBJ_BITMAP);
        DeleteDC(std::exchange(record.frameDC, nullptr));
        if (frame && frame != original) DeleteObject(frame);
        if (alive) {
            SetPropW(record.window, SkinProp::kFrameOldBitmap, nullptr);
            SetPropW(record.window, SkinProp::kFrameBitmap, nullptr);
        }
    }
    if (record.titleStripDC) {
        if (record.titleStripOldBitmap) SelectObject(record.titleStripDC, record.titleStripOldBitmap);
        DeleteDC(std::exchange(record.titleStripDC, nullptr));
    }
    if (record.titleStripBitmap) DeleteObject(std::exchange(record.titleStripBitmap, nullptr));
    record.titleStripOldBitmap = nullptr;
    if (record.frameCopyDC) surfaceRelease(std::exchange(record.frameCopyDC, nullptr));
}
