// Pixel and handle probes for painting tests: memory surfaces with direct pixel access and the GDI headroom probe.
#pragma once

#include <windows.h>

#include <cstdint>

// How many more brushes the process can still create. Wine's GetGuiResources is a stub; the difference of two
// probes around a workload is what the workload leaked.
int Gdi_Headroom();

// A top-down 32-bit DIB section selected into its own memory DC. Owns both; movable, not copyable.
class DibSurface {
public:
    DibSurface(int width, int height, uint32_t fill = 0);
    DibSurface(DibSurface&& other) noexcept;
    DibSurface& operator=(DibSurface&&) = delete;
    DibSurface(const DibSurface&) = delete;
    DibSurface& operator=(const DibSurface&) = delete;
    ~DibSurface();

    HDC dc() const { return dc_; }
    int width() const { return width_; }
    int height() const { return height_; }
    // The pixel at (x, y) as 0x00RRGGBB, after pending GDI work is flushed.
    uint32_t At(int x, int y) const;

private:
    int width_ = 0, height_ = 0;
    uint32_t* bits_ = nullptr;
    HBITMAP bitmap_ = nullptr;
    HDC dc_ = nullptr;
    HGDIOBJ previous_ = nullptr;
};
