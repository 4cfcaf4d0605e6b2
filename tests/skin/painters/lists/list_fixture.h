// A dressed window made by hand for the list and header painters' tests: a record whose frame and whole-window
// copy are 32-bit DIB surfaces of known colours, and real common controls as its children. The painters present
// every picture into the copy, so the tests read what was painted there.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <cstdint>
#include <optional>

#include "image/gdiplus_session.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "tests/skin/hand_dressed.h"
#include "tests/support/gdi_probe.h"

namespace list_test {

inline constexpr uint32_t kFrame = 0x406080;  // the composed frame behind every control
inline constexpr uint32_t kMarker = 0x12F034; // written into the copy so a test sees what was painted since

inline int Red(uint32_t p) {
    return (p >> 16) & 0xFF;
}
inline int Green(uint32_t p) {
    return (p >> 8) & 0xFF;
}
inline int Blue(uint32_t p) {
    return p & 0xFF;
}
// Tinted by the default theme colour (red 34, green 202, blue 221).
inline bool IsThemed(uint32_t p) {
    return Blue(p) - Red(p) > 60 && Green(p) - Red(p) > 60;
}

class ListPainterTest : public testing::Test {
protected:
    // The dressed window answers its controls' colour messages with a hollow brush, as the frame does for
    // translucent controls.
    static LRESULT CALLBACK TopProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
        if (message >= WM_CTLCOLORMSGBOX && message <= WM_CTLCOLORSTATIC) {
            SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
            return reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));
        }
        return DefWindowProcW(window, message, wParam, lParam);
    }

    static constexpr int kWidth = 480, kHeight = 360;

    static void SetUpTestSuite() {
        HandDressed_PrepareClasses(ICC_LISTVIEW_CLASSES | ICC_TREEVIEW_CLASSES | ICC_INTERNET_CLASSES |
                                       ICC_DATE_CLASSES | ICC_STANDARD_CLASSES,
                                   L"ShibeiListTop", TopProc);
        session_ = new GdiPlusSession;
    }
    static void TearDownTestSuite() {
        delete session_;
        session_ = nullptr;
    }

    void SetUp() override {
        Skin_ClearRegistry();
        Skin_State() = SkinState{};
        top_ = CreateWindowExW(0, L"ShibeiListTop", L"", WS_POPUP | WS_CLIPCHILDREN, 40, 40, kWidth, kHeight, nullptr,
                               nullptr, GetModuleHandleW(nullptr), nullptr);
        position_ = HandDressed_Append(top_, kWidth, kHeight, frame_.dc(), copy_.dc());
        record_ = Skin_RecordAt(position_);
    }
    void TearDown() override {
        // The surfaces belong to the fixture, not to the record.
        if (record_) record_->frameDC = record_->frameCopyDC = nullptr;
        DestroyWindow(top_);
        Skin_ClearRegistry();
    }

    // Starts again with a fresh record for the same window over the same surfaces.
    void Redress() {
        record_->frameDC = record_->frameCopyDC = nullptr;
        Skin_ClearRegistry();
        position_ = HandDressed_Append(top_, kWidth, kHeight, frame_.dc(), copy_.dc());
        record_ = Skin_RecordAt(position_);
    }

    HWND Control(const wchar_t* cls, DWORD style, int x, int y, int width, int height, DWORD exStyle = 0,
                 HWND parent = nullptr) {
        return CreateWindowExW(exStyle, cls, L"", WS_CHILD | WS_VISIBLE | style, x, y, width, height,
                               parent ? parent : top_, nullptr, GetModuleHandleW(nullptr), nullptr);
    }
    void Show() {
        ShowWindow(top_, SW_SHOWNOACTIVATE);
        UpdateWindow(top_);
    }
    // Settles every pending paint of the thread's windows.
    static void Pump() {
        MSG msg;
        while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE))
            DispatchMessageW(&msg);
    }

    // A pixel of the whole-window copy at (x, y) of control's window rectangle.
    uint32_t Copy(HWND control, int x, int y) const {
        RECT r{}, t{};
        GetWindowRect(control, &r);
        GetWindowRect(top_, &t);
        return copy_.At(r.left - t.left + x, r.top - t.top + y);
    }
    void FillCopy(uint32_t colour) {
        RECT all{0, 0, kWidth, kHeight};
        HBRUSH brush = CreateSolidBrush(RGB(Red(colour), Green(colour), Blue(colour)));
        FillRect(copy_.dc(), &all, brush);
        DeleteObject(brush);
    }
    ListEntry& List(int position) { return record_->listControls[position - 1]; }
    HeaderEntry& Header(int position) { return record_->headers[position - 1]; }

    static inline GdiPlusSession* session_ = nullptr;
    DibSurface frame_{kWidth, kHeight, kFrame};
    DibSurface copy_{kWidth, kHeight, kFrame};
    HWND top_ = nullptr;
    WindowSkinRecord* record_ = nullptr;
    int position_ = 0;
};

} // namespace list_test
