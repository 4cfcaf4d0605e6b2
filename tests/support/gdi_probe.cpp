#include "tests/support/gdi_probe.h"

#include <utility>
#include <vector>

int Gdi_Headroom() {
    std::vector<HBRUSH> brushes;
    while (HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3))) brushes.push_back(brush);
    for (HBRUSH brush : brushes) DeleteObject(brush);
    return static_cast<int>(brushes.size());
}

DibSurface::DibSurface(int width, int height, uint32_t fill) : width_(width), height_(height) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    bitmap_ = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits_), nullptr, 0);
    dc_ = CreateCompatibleDC(nullptr);
    previous_ = SelectObject(dc_, bitmap_);
    if (bits_)
        for (int i = 0; i < width * height; ++i) bits_[i] = fill;
}

DibSurface::DibSurface(DibSurface&& other) noexcept
    : width_(other.width_), height_(other.height_), bits_(std::exchange(other.bits_, nullptr)),
      bitmap_(std::exchange(other.bitmap_, nullptr)), dc_(std::exchange(other.dc_, nullptr)),
      previous_(std::exchange(other.previous_, nullptr)) {}

DibSurface::~DibSurface() {
    if (dc_) {
        SelectObject(dc_, previous_);
        DeleteDC(dc_);
    }
    if (bitmap_) DeleteObject(bitmap_);
}

uint32_t DibSurface::At(int x, int y) const {
    GdiFlush();
    return bits_[y * width_ + x] & 0xFFFFFF;
}
