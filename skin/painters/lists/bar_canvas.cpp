#include "skin/painters/lists/bar_canvas.h"

#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "toolkit/gdi_handle.h"

BarCanvas::BarCanvas(HWND control) : control_(control) {
    RECT r{};
    if (!GetWindowRect(control, &r)) return;
    width_ = r.right - r.left;
    height_ = r.bottom - r.top;
    dc_ = Skin_SnapshotBackground(control, RECT{0, 0, width_, height_});
    if (dc_) Graphics_FromDC(graphics_, dc_);
}

BarCanvas::~BarCanvas() {
    graphics_.Delete();
    if (dc_) MemDc_Release(dc_);
}

void BarCanvas::Present(HDC target) {
    if (!dc_) return;
    graphics_.Delete();  // flushes what GDI+ still holds back
    GdiFlush();
    Skin_PresentControl(control_, dc_, false, true);
    if (target) {
        BitBlt(target, 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
        return;
    }
    if (WindowDc target(control_, DcArea::kWholeWindow); target.get()) {
        BitBlt(target.get(), 0, 0, width_, height_, dc_, 0, 0, SRCCOPY);
    }
}
