// A dressed window over the message recorder: a 380 x 429 popup whose original procedure logs what the frame
// procedure passes on, under a plain theme picture, with pixel access to its frame surfaces.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>

#include "image/bitmap_object.h"
#include "skin/core/dress_window.h"
#include "skin/core/frame.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "tests/support/gdi_probe.h"
#include "tests/support/message_log.h"

inline constexpr int kFrameWidth = 380;
inline constexpr int kFrameHeight = 429;
inline constexpr uint32_t kPictureRgb = 0x3060A0;  // 0x00RRGGBB as DibSurface reports it

inline bool NearRgb(uint32_t actual, uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

// A copy of a whole surface DC of the frame's size.
inline DibSurface CopyOf(HDC source, int width = kFrameWidth, int height = kFrameHeight) {
    DibSurface copy(width, height);
    BitBlt(copy.dc(), 0, 0, width, height, source, 0, 0, SRCCOPY);
    GdiFlush();
    return copy;
}

// Whether two surfaces agree inside rect (inside = true) or everywhere outside it (inside = false).
inline int CountDifferences(const DibSurface& a, const DibSurface& b, const RECT& rect, bool inside) {
    int differences = 0;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x) {
            const POINT p{x, y};
            if ((PtInRect(&rect, p) != FALSE) == inside && a.At(x, y) != b.At(x, y)) ++differences;
        }
    return differences;
}

class FrameWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(Skin_Startup()); }

    void SetUp() override {
        Skin_Startup();
        BitmapObject picture;
        ASSERT_TRUE(Bitmap_Create(picture, 8, 8));
        for (int y = 0; y < 8; ++y)
            for (int x = 0; x < 8; ++x) Bitmap_SetPixel(picture, x, y, 0xFF000000u | kPictureRgb);
        const Bytes png = Image_SaveToBytes(picture, kImageFormatPng);
        ASSERT_TRUE(Skin_SetTheme({}, png, {}, {}, kPictureStretched));
        Skin_State().firstSizePending = 0;
        MessageLog::SetFilter({});
        MessageLog::SetSwallowModalLoops(true);
        MessageLog::Clear();
    }

    void TearDown() override {
        if (window_ && IsWindow(window_)) DestroyWindow(window_);
        Skin_ClearRegistry();
        MessageLog::SetFilter({});
        MessageLog::Clear();
    }

    // Creates the popup (not shown) with the given extra styles and dresses it; gives the record's position.
    int Dress(DWORD styles, const DressParams& params, const wchar_t* title = L"Shibei") {
        window_ = CreateWindowExW(0, MessageLog::ClassName(), title, WS_POPUP | styles, 40, 40, kFrameWidth,
                                  kFrameHeight, nullptr, nullptr, nullptr, nullptr);
        EXPECT_NE(window_, nullptr);
        Skin_DressWindow(window_, params);
        return Skin_FindWindowRecord(window_);
    }
    int DressFive(DressParams params = {}) {
        params.helpButton = 1;
        params.menuButton = 1;
        return Dress(WS_MINIMIZEBOX | WS_MAXIMIZEBOX, params);
    }
    WindowSkinRecord& Record() { return *Skin_RecordAt(Skin_FindWindowRecord(window_)); }

    LRESULT Send(UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(window_, message, wParam, lParam);
    }
    static LPARAM Point(int x, int y) { return MAKELPARAM(x, y); }
    // The centre of caption button i (1-based).
    LPARAM ButtonCentre(int i) {
        const FloatRect& r = Record().captionButtons[i - 1].rect;
        return Point(static_cast<int>(r.x + r.width / 2), static_cast<int>(r.y + r.height / 2));
    }

    HWND window_ = nullptr;
};
