// A dressed window built by hand for the toolbar and container tests: a record whose frame and whole-window copy
// are 32-bit DIB memory DCs filled with one colour, and real toolbars as its children. The toolbar painter presents
// every picture into the copy, so the tests read the copy or draw single buttons into surfaces of their own.
#pragma once

#include <windows.h>
#include <commctrl.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "image/gdiplus_session.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "tests/skin/hand_dressed.h"
#include "tests/support/gdi_probe.h"

// The skin background: neither grey nor white, so that vanished icon pixels and drawn greys tell apart.
inline constexpr uint32_t kSkinBack = 0x336699;

// The test icon, 16 x 16 in four column bands of these colours (0x00RRGGBB), all opaque.
inline constexpr uint32_t kIconRed = 0xC82828;
inline constexpr uint32_t kIconLight = 0xF0FAFA;
inline constexpr uint32_t kIconGrey = 0x808080;
inline constexpr uint32_t kIconBlack = 0x000000;

inline int Brightness(uint32_t p) {
    return ((p >> 16) & 0xFF) + ((p >> 8) & 0xFF) + (p & 0xFF);
}

class ToolbarFixture : public testing::Test {
protected:
    static constexpr int kWidth = 400, kHeight = 300;

    static void SetUpTestSuite() {
        HandDressed_PrepareClasses(ICC_BAR_CLASSES | ICC_STANDARD_CLASSES, L"ShibeiToolbarTop");
        session_ = new GdiPlusSession;
    }
    static void TearDownTestSuite() {
        delete session_;
        session_ = nullptr;
    }

    void SetUp() override {
        Skin_ClearRegistry();
        Skin_State() = SkinState{};
        top_ = CreateWindowExW(0, L"ShibeiToolbarTop", L"", WS_POPUP, 50, 50, kWidth, kHeight, nullptr, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
        position_ = HandDressed_Append(top_, kWidth, kHeight, frame_.dc(), copy_.dc());
        record_ = Skin_RecordAt(position_);
        images_ = MakeImageList();
    }
    void TearDown() override {
        // The surfaces are the fixture's: the record only borrows them.
        for (const auto& record : Skin_Registry())
            record->frameDC = record->frameCopyDC = nullptr;
        DestroyWindow(top_);
        Skin_ClearRegistry();
        ImageList_Destroy(images_);
    }

    // A flat toolbar that keeps the place it is given; buttons are added with Add.
    HWND Toolbar(HWND parent, DWORD style = 0, int x = 10, int y = 10, int width = 300, int height = 60) {
        HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                       WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                           TBSTYLE_FLAT | style,
                                       x, y, width, height, parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
        SendMessageW(toolbar, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images_));
        return toolbar;
    }
    static TBBUTTON Button(int command, BYTE style = BTNS_BUTTON, BYTE state = TBSTATE_ENABLED,
                           const wchar_t* text = nullptr, int image = 0) {
        TBBUTTON button{};
        button.iBitmap = image;
        button.idCommand = command;
        button.fsState = state;
        button.fsStyle = style;
        button.iString = text ? reinterpret_cast<INT_PTR>(text) : -1;
        return button;
    }
    static void Add(HWND toolbar, std::vector<TBBUTTON> buttons) {
        SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
    }
    static RECT ItemRect(HWND toolbar, int index) {
        RECT r{};
        SendMessageW(toolbar, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static void SetStyle(HWND toolbar, int command, BYTE style) {
        TBBUTTONINFOW info{};
        info.cbSize = sizeof info;
        info.dwMask = TBIF_STYLE;
        info.fsStyle = style;
        SendMessageW(toolbar, TB_SETBUTTONINFOW, command, reinterpret_cast<LPARAM>(&info));
    }

    // The toolbar's client area filled with the skin background.
    static DibSurface Surface(HWND toolbar) {
        RECT client{};
        GetClientRect(toolbar, &client);
        return DibSurface(client.right, client.bottom, kSkinBack);
    }
    static bool Contains(const DibSurface& surface, const RECT& r, uint32_t colour) {
        for (int y = std::max(0L, r.top); y < std::min<LONG>(r.bottom, surface.height()); ++y)
            for (int x = std::max(0L, r.left); x < std::min<LONG>(r.right, surface.width()); ++x)
                if (surface.At(x, y) == colour) return true;
        return false;
    }
    static bool AllAre(const DibSurface& surface, uint32_t colour) {
        for (int y = 0; y < surface.height(); ++y)
            for (int x = 0; x < surface.width(); ++x)
                if (surface.At(x, y) != colour) return false;
        return true;
    }

    // A pixel of the whole-window copy, in the toolbar's client coordinates.
    uint32_t CopyAt(HWND toolbar, int x, int y) const {
        POINT at{x, y};
        MapWindowPoints(toolbar, top_, &at, 1);
        return copy_.At(at.x, at.y);
    }

    // Fills the toolbar's client area in the whole-window copy, so that a test sees whether it was drawn again.
    void FillCopy(HWND toolbar, uint32_t colour) const {
        RECT r{};
        GetClientRect(toolbar, &r);
        MapWindowPoints(toolbar, top_, reinterpret_cast<POINT*>(&r), 2);
        const BYTE red = (colour >> 16) & 0xFF, green = (colour >> 8) & 0xFF, blue = colour & 0xFF;
        HBRUSH brush = CreateSolidBrush(RGB(red, green, blue));
        FillRect(copy_.dc(), &r, brush);
        DeleteObject(brush);
    }

    static HIMAGELIST MakeImageList() {
        HIMAGELIST list = ImageList_Create(16, 16, ILC_COLOR32, 1, 0);
        BITMAPINFO info{};
        info.bmiHeader = {sizeof(BITMAPINFOHEADER), 16, -16, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
        uint32_t* bits = nullptr;
        HBITMAP bitmap = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
        const uint32_t bands[] = {kIconRed, kIconLight, kIconGrey, kIconBlack};
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                bits[y * 16 + x] = 0xFF000000 | bands[x / 4];
        ImageList_Add(list, bitmap, nullptr);
        DeleteObject(bitmap);
        return list;
    }

    static inline GdiPlusSession* session_ = nullptr;
    DibSurface frame_{kWidth, kHeight, kSkinBack};
    DibSurface copy_{kWidth, kHeight, kSkinBack};
    HWND top_ = nullptr;
    WindowSkinRecord* record_ = nullptr;
    int position_ = 0;
    HIMAGELIST images_ = nullptr;
};
