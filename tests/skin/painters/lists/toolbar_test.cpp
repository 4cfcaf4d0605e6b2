// The toolbar painter: button looks by state and style, greyed icons, text colours, separators, and when a toolbar
// draws afresh, copies its picture or leaves the painting to the system. Pixels are probed in DIB surfaces.
#include "skin/painters/lists/toolbar_painter.h"
#include "skin/core/control_registration.h"
#include "skin/draw/mem_dc_table.h"
#include "tests/skin/painters/lists/toolbar_fixture.h"

#include <algorithm>
#include <cstdio>

namespace {

class ToolbarPainter : public ToolbarFixture {
protected:
    // One registered toolbar with one button, whose state and style the tests change.
    HWND Single(DWORD style = 0, const wchar_t* text = nullptr, int image = 0) {
        HWND toolbar = Toolbar(top_, style);
        Add(toolbar, {Button(1, BTNS_BUTTON, TBSTATE_ENABLED, text, image)});
        SendMessageW(toolbar, TB_SETBUTTONSIZE, 0, MAKELPARAM(40, 36)); // room beside the icon for probes
        Toolbar_Register(position_, top_);
        return toolbar;
    }
    DibSurface Draw(HWND toolbar, int index, bool hot = false) {
        DibSurface surface = Surface(toolbar);
        Toolbar_DrawButton(toolbar, index, surface.dc(), hot);
        return surface;
    }
};

TEST_F(ToolbarPainter, BackgroundAndFrameFollowTheButtonState) {
    HWND toolbar = Single();
    const RECT r = ItemRect(toolbar, 0);
    const int x = r.left + 5, nearTop = r.top + 3, nearBottom = r.bottom - 4, middle = (r.top + r.bottom) / 2;
    const int edgeX = (r.left + r.right) / 2;

    enum Look { kNothing, kPressedGradient, kGlow };
    struct Case {
        const char* name;
        BYTE state;
        bool hot;
        Look look;
        bool frame;
    };
    const Case cases[] = {
        {"normal", TBSTATE_ENABLED, false, kNothing, false},
        {"hot", TBSTATE_ENABLED, true, kGlow, true},
        {"checked", TBSTATE_ENABLED | TBSTATE_CHECKED, false, kGlow, true},
        {"pressed", TBSTATE_ENABLED | TBSTATE_PRESSED, false, kPressedGradient, true},
        {"checked and pressed", TBSTATE_ENABLED | TBSTATE_CHECKED | TBSTATE_PRESSED, false, kPressedGradient, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SendMessageW(toolbar, TB_SETSTATE, 1, c.state);
        const DibSurface s = Draw(toolbar, 0, c.hot);
        switch (c.look) {
        case kNothing:
            for (int y : {nearTop, middle, nearBottom})
                EXPECT_EQ(s.At(x, y), kSkinBack) << y;
            break;
        case kPressedGradient: // dark at the top, light at the bottom
            EXPECT_LT(Brightness(s.At(x, nearTop)), Brightness(kSkinBack));
            EXPECT_GT(Brightness(s.At(x, nearBottom)), Brightness(kSkinBack));
            break;
        case kGlow: // lighter everywhere, the top included
            for (int y : {nearTop, middle, nearBottom})
                EXPECT_GT(Brightness(s.At(x, y)), Brightness(kSkinBack)) << y;
            break;
        }
        EXPECT_EQ(Brightness(s.At(edgeX, r.top)) < Brightness(kSkinBack), c.frame);
    }

    // Checked and pressed together look exactly like pressed alone.
    SendMessageW(toolbar, TB_SETSTATE, 1, TBSTATE_ENABLED | TBSTATE_PRESSED);
    const DibSurface pressed = Draw(toolbar, 0);
    SendMessageW(toolbar, TB_SETSTATE, 1, TBSTATE_ENABLED | TBSTATE_PRESSED | TBSTATE_CHECKED);
    const DibSurface both = Draw(toolbar, 0);
    for (int y = r.top; y < r.bottom; ++y)
        for (int px = r.left; px < r.right; ++px)
            ASSERT_EQ(both.At(px, y), pressed.At(px, y)) << px << "," << y;
}

TEST_F(ToolbarPainter, HiddenButtonLeavesTheBackground) {
    HWND toolbar = Single();
    SendMessageW(toolbar, TB_SETSTATE, 1, TBSTATE_ENABLED | TBSTATE_CHECKED | TBSTATE_HIDDEN);
    EXPECT_TRUE(AllAre(Draw(toolbar, 0, true), kSkinBack));
}

TEST_F(ToolbarPainter, IconFollowsStyleAndState) {
    HWND toolbar = Single();
    enum Icon { kOriginal, kGrey, kReddish, kNone };
    struct Case {
        const char* name;
        BYTE style;
        BYTE state;
        Icon icon;
    };
    const Case cases[] = {
        {"enabled", BTNS_BUTTON, TBSTATE_ENABLED, kOriginal},
        {"disabled", BTNS_BUTTON, 0, kGrey},
        {"indeterminate", BTNS_BUTTON, TBSTATE_ENABLED | TBSTATE_INDETERMINATE, kReddish},
        {"disabled check", BTNS_CHECK, 0, kGrey},
        {"drop-down", BTNS_DROPDOWN, TBSTATE_ENABLED, kOriginal},
        {"disabled drop-down", BTNS_DROPDOWN, 0, kGrey},
        {"whole drop-down", BTNS_WHOLEDROPDOWN, TBSTATE_ENABLED, kOriginal},
        {"whole drop-down, state 0", BTNS_WHOLEDROPDOWN, 0, kGrey},
        {"whole drop-down, indeterminate only", BTNS_WHOLEDROPDOWN, TBSTATE_INDETERMINATE, kReddish},
        {"autosize", BTNS_AUTOSIZE, TBSTATE_ENABLED, kNone},
        {"autosize check", BTNS_AUTOSIZE | BTNS_CHECK, TBSTATE_ENABLED, kNone},
        {"autosize drop-down", BTNS_AUTOSIZE | BTNS_DROPDOWN, TBSTATE_ENABLED, kNone},
    };
    // What the red and the light bands become: their grey level, red raised by 20 (at most 255) when indeterminate.
    constexpr uint32_t kGreyRed = 0x5D5D5D, kGreyLight = 0xF6F6F6, kReddishRed = 0x715D5D, kReddishLight = 0xFFF6F6;
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        SetStyle(toolbar, 1, c.style);
        SendMessageW(toolbar, TB_SETSTATE, 1, c.state);
        const RECT r = ItemRect(toolbar, 0);
        const DibSurface s = Draw(toolbar, 0);
        EXPECT_EQ(Contains(s, r, kIconRed) && Contains(s, r, kIconLight) && Contains(s, r, kIconGrey),
                  c.icon == kOriginal);
        EXPECT_EQ(Contains(s, r, kGreyRed) && Contains(s, r, kGreyLight), c.icon == kGrey);
        EXPECT_EQ(Contains(s, r, kReddishRed) && Contains(s, r, kReddishLight), c.icon == kReddish);
        if (c.icon != kOriginal) {
            EXPECT_FALSE(Contains(s, r, kIconGrey) || Contains(s, r, kIconRed));
        }
        if (c.style == BTNS_BUTTON && c.icon != kOriginal) {
            EXPECT_FALSE(Contains(s, r, kIconBlack));
        }
    }
}

TEST_F(ToolbarPainter, GreyIconKeepsOnlyColouredPixels) {
    // One pixel of each kind in a row: coloured, light, nearly black, grey, black.
    const uint32_t source[] = {kIconRed, kIconLight, 0x010000, kIconGrey, kIconBlack};
    constexpr int kCount = 5;
    BITMAPINFO info{};
    info.bmiHeader = {sizeof(BITMAPINFOHEADER), kCount, -1, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    uint32_t* bits = nullptr;
    HBITMAP colour = CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, reinterpret_cast<void**>(&bits), nullptr, 0);
    for (int i = 0; i < kCount; ++i)
        bits[i] = source[i];
    HBITMAP mask = CreateBitmap(kCount, 1, 1, 1, nullptr); // all zero: every pixel shows
    ICONINFO iconInfo{TRUE, 0, 0, mask, colour};
    HICON icon = CreateIconIndirect(&iconInfo);
    DeleteObject(colour);
    DeleteObject(mask);
    ASSERT_NE(icon, nullptr);

    struct Case {
        const char* name;
        BYTE state;
        uint32_t expected[kCount];
    };
    const Case cases[] = {
        {"disabled", 0, {0x5D5D5D, 0xF6F6F6, kSkinBack, kSkinBack, kSkinBack}},
        {"indeterminate",
         TBSTATE_ENABLED | TBSTATE_INDETERMINATE,
         {0x715D5D, 0xFFF6F6, 0x140000, kSkinBack, kSkinBack}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DibSurface surface(10, 4, kSkinBack);
        Toolbar_DrawGreyIcon(surface.dc(), 2, 1, icon, c.state);
        for (int i = 0; i < kCount; ++i)
            EXPECT_EQ(surface.At(2 + i, 1), c.expected[i]) << i;
        EXPECT_EQ(surface.At(1, 1), kSkinBack);
        EXPECT_EQ(surface.At(2, 2), kSkinBack);
    }
    DestroyIcon(icon);
}

TEST_F(ToolbarPainter, TextTakesTheControlColourOnlyWhenEnabledAndDeterminate) {
    for (DWORD listStyle : {0ul, static_cast<DWORD>(TBSTYLE_LIST)}) {
        SCOPED_TRACE(listStyle ? "text beside icons" : "text below icons");
        HWND toolbar = Single(listStyle, L"WWWW", I_IMAGENONE);
        Prop_SetInt(toolbar, SkinProp::kTextColour, RGB(255, 0, 0));
        constexpr uint32_t kRed = 0xFF0000, kGrey = 0x808080;
        const struct {
            BYTE state;
            bool red;
        } cases[] = {{TBSTATE_ENABLED, true}, {0, false}, {TBSTATE_ENABLED | TBSTATE_INDETERMINATE, false}};
        for (const auto& c : cases) {
            SCOPED_TRACE(c.state);
            SendMessageW(toolbar, TB_SETSTATE, 1, c.state);
            const RECT r = ItemRect(toolbar, 0);
            const DibSurface s = Draw(toolbar, 0);
            EXPECT_EQ(Contains(s, r, kRed), c.red);
            EXPECT_EQ(Contains(s, r, kGrey), !c.red);
        }
        DestroyWindow(toolbar);
    }
}

TEST_F(ToolbarPainter, SeparatorStartingAWrappedRowRunsAcrossTheToolbar) {
    HWND toolbar = Toolbar(top_);
    Add(toolbar,
        {Button(1, BTNS_BUTTON, TBSTATE_ENABLED | TBSTATE_WRAP), Button(2, BTNS_SEP, TBSTATE_ENABLED, nullptr, 8),
         Button(3), Button(4, BTNS_SEP, TBSTATE_ENABLED, nullptr, 8), Button(5)});
    Toolbar_Register(position_, top_);
    RECT client{};
    GetClientRect(toolbar, &client);

    const RECT wrapped = ItemRect(toolbar, 1), inRow = ItemRect(toolbar, 3);
    ASSERT_LE(wrapped.left, 9);
    ASSERT_GT(inRow.left, 9);
    // The dark line, with a light one below it or to its right.
    const DibSurface across = Draw(toolbar, 1);
    const int lineY = wrapped.bottom - 5;
    for (int x :
         {static_cast<int>(wrapped.left) + 3, static_cast<int>(client.right) / 2, static_cast<int>(client.right) - 7}) {
        EXPECT_LT(Brightness(across.At(x, lineY)), Brightness(kSkinBack)) << x;
        EXPECT_GT(Brightness(across.At(x, lineY + 1)), Brightness(kSkinBack)) << x;
    }
    const DibSurface upright = Draw(toolbar, 3);
    const int lineX = inRow.left + (inRow.right - inRow.left - 2) / 2;
    for (int y : {static_cast<int>(inRow.top) + 4, static_cast<int>(inRow.top + inRow.bottom) / 2,
                  static_cast<int>(inRow.bottom) - 4}) {
        EXPECT_LT(Brightness(upright.At(lineX, y)), Brightness(kSkinBack)) << y;
        EXPECT_GT(Brightness(upright.At(lineX + 1, y)), Brightness(kSkinBack)) << y;
    }
    EXPECT_EQ(upright.At(lineX + 6, (inRow.top + inRow.bottom) / 2), kSkinBack); // nothing runs across
}

// Records what reaches the toolbar's own procedure, under the skin's.
WNDPROC systemToolbarProc = nullptr;
std::vector<UINT> reachedSystem;
LRESULT CALLBACK RecordingToolbarProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT || message == WM_ERASEBKGND) reachedSystem.push_back(message);
    return CallWindowProcW(systemToolbarProc, window, message, wParam, lParam);
}

TEST_F(ToolbarPainter, PaintsAfreshOnlyWhenMarkedCopiesOtherwiseAndLeavesPaintingToTheSystemWhenOff) {
    HWND toolbar = Toolbar(top_);
    Add(toolbar, {Button(1, BTNS_CHECK, TBSTATE_ENABLED | TBSTATE_CHECKED)});
    systemToolbarProc = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(toolbar, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordingToolbarProc)));
    Toolbar_Register(position_, top_);
    ToolbarEntry& entry = record_->toolbars[0];
    ASSERT_EQ(entry.control, toolbar);
    ShowWindow(top_, SW_SHOWNOACTIVATE);
    const RECT r = ItemRect(toolbar, 0);
    const POINT probe{r.left + 5, (r.top + r.bottom) / 2};
    constexpr uint32_t kMarker = 0xFF00FF;
    const auto paint = [&] {
        reachedSystem.clear();
        RedrawWindow(toolbar, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
    };

    struct Case {
        const char* name;
        int skinControls, translucent, active, dirty;
        bool drawn;                      // the checked button's glow went into the frame copy
        bool systemErases, systemPaints; // what reached the system's procedure
    };
    const Case cases[] = {
        {"marked", 1, 0, 0, 1, true, true, false},
        {"unmarked: copied from the frame copy", 1, 0, 0, 0, false, true, false},
        {"unmarked, translucent, inactive window: copied", 1, 1, 0, 0, false, false, false},
        {"unmarked, translucent, active window: drawn", 1, 1, 1, 0, true, false, false},
        {"skin off", 0, 0, 1, 1, false, true, true},
        {"skin off, translucent", 0, 1, 1, 1, false, true, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Skin_State().skinControls = c.skinControls;
        Skin_State().translucentControls = c.translucent;
        record_->active = c.active;
        entry.dirty = c.dirty;
        FillCopy(toolbar, kMarker);
        paint();
        EXPECT_EQ(CopyAt(toolbar, probe.x, probe.y) != kMarker, c.drawn);
        EXPECT_EQ(std::count(reachedSystem.begin(), reachedSystem.end(), WM_ERASEBKGND), c.systemErases ? 1 : 0);
        EXPECT_EQ(std::count(reachedSystem.begin(), reachedSystem.end(), WM_PAINT), c.systemPaints ? 1 : 0);
        if (c.drawn) {
            EXPECT_EQ(entry.dirty, 0);
        }
    }
}

TEST_F(ToolbarPainter, HoverCyclesAcrossToolbarsLeakNoGdiObjects) {
    // Text below and beside icons, one button each, whose look changes from cycle to cycle: hot with text, checked,
    // greyed icons with grey text.
    HWND first = Toolbar(top_, 0, 10, 10, 300, 60);
    HWND second = Toolbar(top_, TBSTYLE_LIST, 10, 100, 300, 40);
    Add(first, {Button(1, BTNS_DROPDOWN, TBSTATE_ENABLED, L"One")});
    Add(second, {Button(1, BTNS_CHECK, TBSTATE_ENABLED, L"Two")});
    Toolbar_Register(position_, top_);
    Skin_State().translucentControls = 1;
    record_->active = 1;

    // The mouse comes onto the button, which paints its toolbar afresh, and leaves it again. The window stays
    // hidden, which keeps the X server out of the loop; every drawing step still runs.
    const BYTE states[] = {TBSTATE_ENABLED, TBSTATE_ENABLED | TBSTATE_CHECKED, 0,
                           TBSTATE_ENABLED | TBSTATE_INDETERMINATE};
    const auto cycle = [&](int i) {
        HWND toolbar = (i & 1) ? second : first;
        SendMessageW(toolbar, TB_SETSTATE, 1, states[(i >> 1) & 3]);
        SendMessageW(toolbar, WM_MOUSEMOVE, 0, MAKELPARAM(3, 3));
        SendMessageW(toolbar, WM_PAINT, 0, 0);
        SendMessageW(toolbar, WM_MOUSELEAVE, 0, 0);
    };
    constexpr int kCycles = 10000;
    for (int i = 0; i < 8; ++i)
        cycle(i); // first use of GDI+ and the common controls settles their own caches
    const int before = Gdi_Headroom();
    const int dcs = MemDc_Count();
    for (int i = 0; i < kCycles; ++i)
        cycle(i);
    const int after = Gdi_Headroom();
    std::printf("GDI headroom %d before and %d after %d hover cycles\n", before, after, kCycles);
    EXPECT_EQ(after, before);
    EXPECT_EQ(MemDc_Count(), dcs);
}

} // namespace
