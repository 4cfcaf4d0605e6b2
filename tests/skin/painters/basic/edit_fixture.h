// A dressed window made by hand for the edit, combo and scroll bar painters: a borderless popup with a record
// whose frame surfaces are 32-bit DIBs, the frame filled with one background colour and the whole-window copy with
// a marker colour, so that a probe tells painted pixels from untouched ones. The popup answers its edit boxes'
// colour messages the way the frame procedure does.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <vector>

#include "image/gdiplus_session.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/painters/basic/edit_combo.h"
#include "skin/painters/basic/text_colour.h"
#include "tests/skin/hand_dressed.h"

namespace edit_fixture {

// Pixels as 0x00RRGGBB.
constexpr uint32_t kBackground = 0x00204080;
constexpr uint32_t kMarker = 0x00C0FFEE;
constexpr uint32_t kWhite = 0x00FFFFFF;

inline uint32_t Rgb(COLORREF colour) {
    return (static_cast<uint32_t>(GetRValue(colour)) << 16) | (static_cast<uint32_t>(GetGValue(colour)) << 8) |
           GetBValue(colour);
}

// colour (0x00BBGGRR) at opacity alpha over the pixel under (0x00RRGGBB).
inline uint32_t Blend(uint32_t under, COLORREF colour, int alpha) {
    const uint32_t over = Rgb(colour);
    uint32_t out = 0;
    for (int shift = 0; shift <= 16; shift += 8) {
        const int a = static_cast<int>((over >> shift) & 0xFF), b = static_cast<int>((under >> shift) & 0xFF);
        out |= static_cast<uint32_t>((a * alpha + b * (255 - alpha) + 127) / 255) << shift;
    }
    return out;
}

// Channel by channel within tolerance.
inline bool Near(uint32_t a, uint32_t b, int tolerance = 3) {
    for (int shift = 0; shift <= 16; shift += 8) {
        if (std::abs(static_cast<int>((a >> shift) & 0xFF) - static_cast<int>((b >> shift) & 0xFF)) > tolerance)
            return false;
    }
    return true;
}

inline uint32_t* Bits(HDC dc, int& width, int& height) {
    GdiFlush();
    DIBSECTION dib{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
    width = dib.dsBm.bmWidth;
    height = dib.dsBm.bmHeight;
    return static_cast<uint32_t*>(dib.dsBm.bmBits);
}

inline uint32_t Pixel(HDC dc, int x, int y) {
    int width, height;
    const uint32_t* bits = Bits(dc, width, height);
    return bits[(height - 1 - y) * width + x] & 0xFFFFFF;
}

inline void FillArea(HDC dc, const RECT& r, uint32_t colour) {
    int width, height;
    uint32_t* bits = Bits(dc, width, height);
    for (int y = r.top; y < r.bottom; ++y)
        for (int x = r.left; x < r.right; ++x) bits[(height - 1 - y) * width + x] = colour;
}

inline void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// The frame procedure's colour answer for an edit box, done by the popup.
inline LRESULT CALLBACK PopupProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_CTLCOLOREDIT && Skin_State().translucentControls == 1) {
        HWND edit = reinterpret_cast<HWND>(lParam);
        HDC dc = reinterpret_cast<HDC>(wParam);
        SetTextColor(dc, Control_TextColour(edit));
        SetBkMode(dc, TRANSPARENT);
        if (HBRUSH brush = Control_RenewBackdropBrush(edit)) return reinterpret_cast<LRESULT>(brush);
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

class DressedWindow : public testing::Test {
protected:
    static constexpr int kWidth = 360, kHeight = 260;

    static void SetUpTestSuite() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = PopupProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, reinterpret_cast<LPCWSTR>(IDC_ARROW));
        wc.lpszClassName = L"ShibeiEditFixture";
        RegisterClassW(&wc);
    }

    void SetUp() override {
        ASSERT_TRUE(session_.ok());
        Skin_ClearRegistry();
        SkinState& state = Skin_State();
        state.skinControls = 1;
        state.translucentControls = 1;
        state.controlFillAlpha = 0;
        state.themeColour = kDefaultThemeColour;
        top_ = CreateWindowExW(0, L"ShibeiEditFixture", L"", WS_POPUP | WS_VISIBLE, 40, 40, kWidth, kHeight,
                               nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
        ASSERT_NE(top_, nullptr);
        position_ = HandDressed_Append(top_, kWidth, kHeight, HandDressed_Surface(kWidth, kHeight, kBackground),
                                       HandDressed_Surface(kWidth, kHeight, kMarker));
        Pump();
    }

    void TearDown() override {
        if (top_) DestroyWindow(top_);
        Skin_ClearRegistry();
        Skin_State() = SkinState{};
    }

    WindowSkinRecord& Record() { return *Skin_RecordAt(position_); }
    HDC FrameCopy() { return Record().frameCopyDC; }
    void MarkFrameCopy() { FillArea(FrameCopy(), RECT{0, 0, kWidth, kHeight}, kMarker); }

    // A child control of the popup at (x, y) in its client area (which is also its window area).
    HWND Child(const wchar_t* cls, DWORD style, DWORD exStyle, int x, int y, int width, int height,
               HWND parent = nullptr, const wchar_t* text = L"") {
        HWND window = CreateWindowExW(exStyle, cls, text, WS_CHILD | style, x, y, width, height,
                                      parent ? parent : top_, nullptr, GetModuleHandleW(nullptr), nullptr);
        EXPECT_NE(window, nullptr);
        return window;
    }
    void Register() {
        EditCombo_Register(position_, top_);
        Pump();
    }
    EditEntry* EditOf(HWND edit) {
        const int at = Skin_FindEntry(Record().editBoxes, edit);
        return at ? &Record().editBoxes[at - 1] : nullptr;
    }

    GdiPlusSession session_;
    HWND top_ = nullptr;
    int position_ = 0;
};

}  // namespace edit_fixture
