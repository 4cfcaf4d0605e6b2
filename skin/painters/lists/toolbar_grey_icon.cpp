// Greyed toolbar icons: the icon drawn into a 32-bit surface, recoloured to its brightness and copied with black
// as the transparent key, so that its black and already grey pixels (and its transparent area) vanish.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>

#include "skin/painters/lists/toolbar_grey_icon.h"
#include "skin/painters/lists/toolbar_painter.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr uint32_t kRedTint = 20; // added to the red level of an indeterminate button's icon

bool IconSize(HICON icon, int& width, int& height) {
    ICONINFO info{};
    if (!GetIconInfo(icon, &info)) return false;
    BitmapHandle colour(info.hbmColor), mask(info.hbmMask);
    BITMAP bitmap{};
    if (colour) {
        GetObjectW(colour.get(), sizeof bitmap, &bitmap);
        width = bitmap.bmWidth;
        height = bitmap.bmHeight;
    } else {
        // A monochrome icon keeps its AND and XOR masks one above the other.
        GetObjectW(mask.get(), sizeof bitmap, &bitmap);
        width = bitmap.bmWidth;
        height = bitmap.bmHeight / 2;
    }
    return width > 0 && height > 0;
}

// pixel as 0x00RRGGBB (the DIB's layout) to its grey, or black when it is black or grey already.
uint32_t Grey(uint32_t pixel, bool indeterminate) {
    const uint32_t red = (pixel >> 16) & 0xFF, green = (pixel >> 8) & 0xFF, blue = pixel & 0xFF;
    if (red == green && green == blue) return 0; // black included
    const uint32_t level = (red + green + blue) / 3;
    const uint32_t tinted = indeterminate ? std::min<uint32_t>(level + kRedTint, 255) : level;
    return (tinted << 16) | (level << 8) | level;
}

// Draws width x height pixels with draw (on a black memory DC at its origin), greys them and copies them to (x, y).
template <typename Draw> void DrawGrey(HDC dc, int x, int y, int width, int height, BYTE state, Draw draw) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, -height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    BitmapHandle surface(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
    MemoryDc memory;
    if (!surface || !memory.get()) return;
    SelectGuard selected(memory.get(), surface.get());
    draw(memory.get());
    GdiFlush();

    const bool indeterminate = (state & TBSTATE_INDETERMINATE) != 0;
    auto* pixels = static_cast<uint32_t*>(bits);
    for (int i = 0; i < width * height; ++i)
        pixels[i] = Grey(pixels[i] & 0xFFFFFF, indeterminate);
    TransparentBlt(dc, x, y, width, height, memory.get(), 0, 0, width, height, RGB(0, 0, 0));
}

} // namespace

void Toolbar_DrawGreyIcon(HDC dc, int x, int y, HICON icon, BYTE state) {
    int width = 0, height = 0;
    if (!icon || !IconSize(icon, width, height)) return;
    DrawGrey(dc, x, y, width, height, state,
             [&](HDC memory) { DrawIconEx(memory, 0, 0, icon, width, height, 0, nullptr, DI_NORMAL); });
}

void Toolbar_DrawGreyImage(HDC dc, int x, int y, HIMAGELIST list, int index, BYTE state) {
    int width = 0, height = 0;
    if (!list || !ImageList_GetIconSize(list, &width, &height) || width <= 0 || height <= 0) return;
    DrawGrey(dc, x, y, width, height, state,
             [&](HDC memory) { ImageList_Draw(list, index, memory, 0, 0, ILD_TRANSPARENT); });
}
