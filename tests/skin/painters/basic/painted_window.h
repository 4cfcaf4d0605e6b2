// A dressed window made by hand for painter tests: a visible pop-up host whose record has a composed frame and a
// whole-window copy (32-bit DIB memory DCs filled with one known colour), so that painters have a background to
// snapshot and a copy to present into. The host relays WM_DRAWITEM to the button painter and counts what its
// controls notify.
#pragma once

#include <windows.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "skin/core/window_skin_record.h"

class PaintedWindow {
public:
    static constexpr int kWidth = 320, kHeight = 220;
    static constexpr uint32_t kBackground = 0x00303030;  // 0x00RRGGBB

    PaintedWindow();
    ~PaintedWindow();
    PaintedWindow(const PaintedWindow&) = delete;
    PaintedWindow& operator=(const PaintedWindow&) = delete;

    HWND window() const { return window_; }
    int position() const { return position_; }
    WindowSkinRecord& record() const;

    // A child control of the host; destroyed with it.
    HWND Child(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width, int height);

    // The whole-window copy at (x, y) of the host, 0x00RRGGBB.
    uint32_t CopyAt(int x, int y) const;
    // Fills a rectangle of the whole-window copy.
    void FillCopy(const RECT& area, uint32_t colour) const;

    // What reached the host: the item states of WM_DRAWITEM and the notification codes of WM_COMMAND.
    static std::vector<UINT>& DrawItemStates();
    static std::vector<UINT>& Notifications();

private:
    HWND window_ = nullptr;
    int position_ = 0;
};

// Pumps the thread's queue until it is empty.
void Pump();

// Channels of a 0x00RRGGBB pixel.
inline int Red(uint32_t p) { return static_cast<int>((p >> 16) & 0xFF); }
inline int Green(uint32_t p) { return static_cast<int>((p >> 8) & 0xFF); }
inline int Blue(uint32_t p) { return static_cast<int>(p & 0xFF); }
// Grey: the channels lie within a few steps of each other. Tinted: green and blue well above red (the theme's
// cyan).
inline bool IsGrey(uint32_t p) {
    return std::abs(Red(p) - Green(p)) <= 8 && std::abs(Green(p) - Blue(p)) <= 8 && std::abs(Red(p) - Blue(p)) <= 8;
}
inline bool IsTinted(uint32_t p) { return Green(p) > Red(p) + 20 && Blue(p) > Red(p) + 20; }
