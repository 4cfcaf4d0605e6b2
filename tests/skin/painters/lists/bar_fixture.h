// A dressed window built by hand for the bar painters' tests: a record whose frame and whole-window copy are
// 32-bit DIB memory DCs filled with one grey, and real common controls as its children. The painters present every
// picture into the copy, so the tests read their results there.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "image/gdiplus_session.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "tests/skin/hand_dressed.h"

inline constexpr uint32_t kBackground = 0x808080;
inline constexpr uint32_t kMarker = 0xFF00FF;

inline int Red(uint32_t p) { return (p >> 16) & 0xFF; }
inline int Green(uint32_t p) { return (p >> 8) & 0xFF; }
inline int Blue(uint32_t p) { return p & 0xFF; }
// Tinted by the default theme colour (red 34, green 202, blue 221) rather than grey or white.
inline bool IsThemed(uint32_t p) { return Blue(p) - Red(p) > 40; }
inline bool IsWhitish(uint32_t p) { return Red(p) > 200 && Green(p) > 200 && Blue(p) > 200; }

class BarPainterTest : public testing::Test {
protected:
    static constexpr int kWidth = 400, kHeight = 300;

    static void SetUpTestSuite() {
        HandDressed_PrepareClasses(ICC_BAR_CLASSES | ICC_UPDOWN_CLASS | ICC_PROGRESS_CLASS, L"ShibeiBarTop");
        session_ = new GdiPlusSession;
    }
    static void TearDownTestSuite() {
        delete session_;
        session_ = nullptr;
    }

    void SetUp() override {
        Skin_ClearRegistry();
        Skin_State() = SkinState{};
        Skin_State().drawOutline = 0;  // the extractor's setting: shapes straight on the background
        top_ = CreateWindowExW(0, L"ShibeiBarTop", L"", WS_POPUP, 50, 50, kWidth, kHeight, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        position_ = HandDressed_Append(top_, kWidth, kHeight, HandDressed_Surface(kWidth, kHeight, kBackground),
                                       HandDressed_Surface(kWidth, kHeight, kBackground));
        record_ = Skin_RecordAt(position_);
    }
    void TearDown() override {
        Skin_ClearRegistry();
        DestroyWindow(top_);
    }

    HWND Control(const wchar_t* cls, DWORD style, int x, int y, int width, int height) {
        return CreateWindowExW(0, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height, top_, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }

    // A pixel of the whole-window copy, in the dressed window's coordinates or in control's.
    uint32_t Copy(int x, int y) const { return Pixel(record_->frameCopyDC, x, y); }
    uint32_t Copy(HWND control, int x, int y) const {
        const POINT at = Origin(control);
        return Copy(at.x + x, at.y + y);
    }
    // The control's window rectangle in the copy, row by row.
    std::vector<uint32_t> Picture(HWND control) const {
        RECT r{};
        GetWindowRect(control, &r);
        std::vector<uint32_t> pixels;
        for (int y = 0; y < r.bottom - r.top; ++y)
            for (int x = 0; x < r.right - r.left; ++x) pixels.push_back(Copy(control, x, y));
        return pixels;
    }
    // Paints the whole copy with one colour, so that a test sees whether something was drawn afterwards.
    void FillCopy(uint32_t colour) const { Fill(record_->frameCopyDC, colour); }

    static void Fill(HDC dc, uint32_t colour) {
        GdiFlush();
        DIBSECTION dib{};
        GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
        auto* bits = static_cast<uint32_t*>(dib.dsBm.bmBits);
        for (int i = 0; i < kWidth * kHeight; ++i) bits[i] = colour;
    }
    static uint32_t Pixel(HDC dc, int x, int y) {
        GdiFlush();
        DIBSECTION dib{};
        GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
        return static_cast<const uint32_t*>(dib.dsBm.bmBits)[(kHeight - 1 - y) * kWidth + x] & 0xFFFFFF;
    }
    POINT Origin(HWND control) const {
        RECT r{}, t{};
        GetWindowRect(control, &r);
        GetWindowRect(top_, &t);
        return {r.left - t.left, r.top - t.top};
    }

    static inline GdiPlusSession* session_ = nullptr;
    HWND top_ = nullptr;
    WindowSkinRecord* record_ = nullptr;
    int position_ = 0;
};
