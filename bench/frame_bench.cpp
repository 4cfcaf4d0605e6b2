// Cost of the dressed window's frame: a full composition of the 380 x 429 extractor window, one caption button
// fade tick, and an unskinned window's paint of the same size in the same run; prints a table.
#include <windows.h>

#include <algorithm>
#include <cstdio>

#include "image/bitmap_object.h"
#include "skin/core/caption_sprites.h"
#include "skin/core/dress_window.h"
#include "skin/core/frame.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"

namespace {

constexpr int kWidth = 380, kHeight = 429;

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

// The median of runs timings of work, in milliseconds.
template <typename Work>
double MedianMs(int runs, Work work) {
    double times[64];
    runs = std::min(runs, 64);
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        work();
        GdiFlush();
        QueryPerformanceCounter(&b);
        times[i] = Seconds(a, b) * 1000.0;
    }
    std::sort(times, times + runs);
    return times[runs / 2];
}

LRESULT CALLBACK PlainProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

HWND MakeWindow(const wchar_t* className, DWORD style) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = PlainProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
    wc.lpszClassName = className;
    RegisterClassW(&wc);
    return CreateWindowExW(0, className, L"拾贝", style, 50, 50, kWidth, kHeight, nullptr, nullptr, nullptr, nullptr);
}

// A theme picture like the program's: 800 x 500, decoded and stretched on every composition.
Bytes MakeTheme() {
    BitmapObject bitmap;
    Bitmap_Create(bitmap, 800, 500);
    for (int y = 0; y < 500; y += 3)
        for (int x = 0; x < 800; x += 3) Bitmap_SetPixel(bitmap, x, y, 0xFF000000u | (x * 0x10203u + y * 0x30201u));
    return Image_SaveToBytes(bitmap, kImageFormatPng);
}

}  // namespace

int main() {
    if (!Skin_Startup()) return 1;
    Skin_SetTheme({}, MakeTheme(), {}, {}, kPictureStretched);
    Skin_SetOptions(1, 0, 0);

    HWND dressed = MakeWindow(L"FrameBenchDressed", WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX);
    DressParams params;
    params.resizable = 0;
    params.helpButton = 1;
    params.menuButton = 1;
    params.tintAlpha = 0;
    Skin_DressWindow(dressed, params);
    ShowWindow(dressed, SW_SHOWNA);
    const int n = Skin_FindWindowRecord(dressed);
    WindowSkinRecord& record = *Skin_RecordAt(n);

    HWND plain = MakeWindow(L"FrameBenchPlain", WS_OVERLAPPEDWINDOW);
    ShowWindow(plain, SW_SHOWNA);

    const double compose = MedianMs(31, [&] { Frame_Compose(n, true); });
    int step = 0;
    const double tick = MedianMs(63, [&] {
        record.fadeIn = {1, step % 8};
        record.fadeOut = {2, step % 8};
        ++step;
        SendMessageW(dressed, WM_TIMER, reinterpret_cast<WPARAM>(dressed), 0);
    });
    const double button = MedianMs(63, [&] { Frame_DrawCaptionButton(n, 1, CaptionLook::Normal, 120); });
    const double decode = MedianMs(63, [&] {
        ImageObject sprite;
        Image_LoadFromBytes(sprite, CaptionSprite_Png(CaptionSprite::Help));
    });
    const double unskinned = MedianMs(31, [&] {
        RedrawWindow(plain, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_FRAME | RDW_UPDATENOW);
    });

    std::printf("%-44s %12s %10s\n", "operation (380 x 429)", "median ms", "x plain");
    std::printf("%-44s %12.3f %10.1f\n", "Frame_Compose with presenting", compose, compose / unskinned);
    std::printf("%-44s %12.3f %10.1f\n", "fade tick (one button in, one out)", tick, tick / unskinned);
    std::printf("%-44s %12.3f %10.1f\n", "  one caption button redraw", button, button / unskinned);
    std::printf("%-44s %12.3f %10.1f\n", "  one sprite decode", decode, decode / unskinned);
    std::printf("%-44s %12.3f %10.1f\n", "unskinned window paint (frame, erase, paint)", unskinned, 1.0);
    DestroyWindow(dressed);
    DestroyWindow(plain);
    return 0;
}
