// A dressed window's record made by hand, for painter tests that need the record but not the frame: the window,
// its composed size and the two surfaces the painters read and present into.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <cstdint>
#include <memory>

#include "skin/core/skin_registry.h"
#include "skin/core/window_skin_record.h"

// Loads the common control classes a suite uses (ICC_ flags) and registers the top-level window class its
// hand-dressed windows are made of.
inline void HandDressed_PrepareClasses(DWORD controlClasses, const wchar_t* topClass,
                                       WNDPROC procedure = DefWindowProcW) {
    INITCOMMONCONTROLSEX init{sizeof init, controlClasses};
    InitCommonControlsEx(&init);
    WNDCLASSW wc{};
    wc.lpfnWndProc = procedure;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = topClass;
    RegisterClassW(&wc);
}

// A bottom-up 32-bit DIB section selected into a memory DC, every pixel fill (0x00RRGGBB). Whoever keeps the DC
// frees both; a record given it through HandDressed_Append does so when the registry is cleared.
inline HDC HandDressed_Surface(int width, int height, uint32_t fill = 0) {
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), width, height, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && fill)
        for (int i = 0; i < width * height; ++i)
            static_cast<uint32_t*>(bits)[i] = fill;
    HDC dc = CreateCompatibleDC(nullptr);
    SelectObject(dc, bitmap);
    return dc;
}

// Appends a record for window (width x height) with frame as frameDC and copy as frameCopyDC, and marks the window
// with its position, as dressing does. Gives the position. The record owns the two DCs from now on unless the test
// clears them from it before the registry is cleared.
inline int HandDressed_Append(HWND window, int width, int height, HDC frame, HDC copy) {
    auto record = std::make_unique<WindowSkinRecord>();
    record->window = window;
    record->composedWidth = width;
    record->composedHeight = height;
    record->frameDC = frame;
    record->frameCopyDC = copy;
    const int position = Skin_AppendRecord(std::move(record));
    Prop_SetInt(window, SkinProp::kListId, position);
    return position;
}
