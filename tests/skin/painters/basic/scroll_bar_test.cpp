// Companion scroll bars of edit boxes: placement over the real scroll bar, repainting as the edit box scrolls,
// the painted look (trough, thumb, arrow plates and glyphs, disabled bar) and the hit test of the parts.
#include "skin/painters/basic/scroll_bar.h"

#include "skin/core/control_registration.h"
#include "tests/skin/painters/basic/edit_fixture.h"

#include <gtest/gtest.h>

#include <string>

namespace {

using namespace edit_fixture;

class CompanionBar : public DressedWindow {
protected:
    HWND MultiLine(DWORD scroll, HWND parent = nullptr, int x = 20, int y = 20, DWORD visible = WS_VISIBLE) {
        return Child(L"Edit", visible | ES_MULTILINE | ES_AUTOVSCROLL | ES_AUTOHSCROLL | scroll, 0, x, y, 160, 120,
                     parent);
    }
    static void FillLines(HWND edit, int lines) {
        std::wstring text;
        for (int i = 0; i < lines; ++i) text += L"line " + std::to_wstring(i) + L" of some longer text here\r\n";
        SetWindowTextW(edit, text.c_str());
    }
    static SCROLLBARINFO Info(HWND control, LONG object) {
        SCROLLBARINFO info{};
        info.cbSize = sizeof info;
        GetScrollBarInfo(control, object, &info);
        return info;
    }
    static RECT WindowRect(HWND window) {
        RECT r{};
        GetWindowRect(window, &r);
        return r;
    }
    RECT InTop(HWND window) {
        RECT r = WindowRect(window);
        const RECT top = WindowRect(top_);
        OffsetRect(&r, -top.left, -top.top);
        return r;
    }
    static bool SameRect(const RECT& a, const RECT& b) { return EqualRect(&a, &b) != FALSE; }
    uint32_t BarPixel(HWND bar, int x, int y) {
        const RECT at = InTop(bar);
        return Pixel(FrameCopy(), at.left + x, at.top + y);
    }
};

TEST_F(CompanionBar, LiesExactlyOverTheRealScrollBar) {
    // Directly in the dressed window, and inside a container with a caption and border of its own.
    HWND container = Child(L"ShibeiEditFixture", WS_VISIBLE | WS_CAPTION | WS_BORDER, 0, 190, 10, 160, 200);
    struct Case {
        const char* name;
        HWND parent;
    };
    for (const Case& c : {Case{"dressed window", top_}, Case{"bordered container", container}}) {
        SCOPED_TRACE(c.name);
        HWND edit = MultiLine(WS_VSCROLL, c.parent, 5, 5);
        EditCombo_Register(position_, c.parent);
        Pump();
        ASSERT_NE(EditOf(edit), nullptr);
        HWND bar = EditOf(edit)->verticalBar;
        ASSERT_NE(bar, nullptr);
        EXPECT_EQ(GetParent(bar), c.parent);
        EXPECT_EQ(GetPropW(bar, SkinProp::kScrollOwner), edit);
        EXPECT_EQ(Prop_GetInt(bar, SkinProp::kOwnerId), position_);
        EXPECT_TRUE(IsWindowVisible(bar));
        EXPECT_FALSE(IsWindowEnabled(bar));  // the mouse goes through to the real scroll bar
        EXPECT_TRUE(SameRect(Info(edit, OBJID_VSCROLL).rcScrollBar, WindowRect(bar)));

        SetWindowPos(edit, nullptr, 12, 30, 150, 100, SWP_NOZORDER);  // the companion follows
        EXPECT_TRUE(SameRect(Info(edit, OBJID_VSCROLL).rcScrollBar, WindowRect(bar)));
    }
}

TEST_F(CompanionBar, HiddenEditGetsASmallHiddenCompanionPlacedOnceShown) {
    HWND edit = MultiLine(WS_VSCROLL | WS_HSCROLL, nullptr, 20, 20, 0);
    Register();
    HWND bar = EditOf(edit)->verticalBar;
    ASSERT_NE(bar, nullptr);
    EXPECT_FALSE(IsWindowVisible(bar));
    const RECT small = InTop(bar);
    EXPECT_EQ(small.right - small.left, 10);
    EXPECT_EQ(small.bottom - small.top, 10);

    ShowWindow(edit, SW_SHOWNA);
    EXPECT_TRUE(IsWindowVisible(bar));
    EXPECT_TRUE(SameRect(Info(edit, OBJID_VSCROLL).rcScrollBar, WindowRect(bar)));
    EXPECT_TRUE(IsWindowVisible(EditOf(edit)->horizontalBar));
    ShowWindow(edit, SW_HIDE);
    EXPECT_FALSE(IsWindowVisible(bar));
}

TEST_F(CompanionBar, RepaintsAfterTypingScrollingAndTheWheel) {
    HWND edit = MultiLine(WS_VSCROLL);
    Register();
    FillLines(edit, 200);
    Pump();
    HWND bar = EditOf(edit)->verticalBar;
    struct Case {
        const char* name;
        UINT message;
        WPARAM wParam;
        bool thumbFollows;  // the painted thumb matches the scroll position after the message
    };
    const Case cases[] = {
        {"key", WM_KEYDOWN, VK_DOWN, false},
        {"scroll", WM_VSCROLL, SB_PAGEDOWN, true},
        {"wheel", WM_MOUSEWHEEL, MAKEWPARAM(0, static_cast<WORD>(-WHEEL_DELTA)), true},
        {"text", WM_SETTEXT, 0, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        MarkFrameCopy();
        const int thumbBefore = Info(edit, OBJID_VSCROLL).xyThumbTop;
        LPARAM lParam = 0;
        if (c.message == WM_SETTEXT) lParam = reinterpret_cast<LPARAM>(L"short\r\ntext");
        if (c.message == WM_MOUSEWHEEL) lParam = MAKELPARAM(100, 100);
        SendMessageW(edit, c.message, c.wParam, lParam);
        const RECT at = InTop(bar);
        EXPECT_NE(Pixel(FrameCopy(), (at.left + at.right) / 2, (at.top + at.bottom) / 2), kMarker);
        if (c.thumbFollows) {
            const int thumbAfter = Info(edit, OBJID_VSCROLL).xyThumbTop;
            EXPECT_NE(thumbAfter, thumbBefore);
            EXPECT_EQ(EditOf(edit)->verticalBarGeometry[2].top, thumbAfter);
        }
    }
}

TEST_F(CompanionBar, PaintedLookAndDisabledBar) {
    HWND edit = MultiLine(WS_VSCROLL);
    Register();
    FillLines(edit, 200);
    Pump();
    HWND bar = EditOf(edit)->verticalBar;
    const RECT size = InTop(bar);
    const int w = size.right - size.left, h = size.bottom - size.top;
    const SCROLLBARINFO info = Info(edit, OBJID_VSCROLL);
    const int e = info.dxyLineButton;

    MarkFrameCopy();
    Scroll_PaintBar(edit, SB_VERT, kScrollThumb);
    const ScrollBarGeometry& parts = EditOf(edit)->verticalBarGeometry;
    const int troughY = h - 30;  // below the thumb at the top, above the end arrow
    ASSERT_GT(troughY, parts[2].bottom + 2);
    // The trough runs from the theme colour at 40 on the left towards white on the right.
    EXPECT_TRUE(Near(BarPixel(bar, 0, troughY), Blend(kBackground, kDefaultThemeColour, 40), 8));
    EXPECT_GT(BarPixel(bar, w - 1, troughY) & 0xFF, 0xE0u);
    // Glyph points: up at the top of its 4 rows, down at the bottom.
    const int gx = (e - 7) / 2 + 3;
    EXPECT_LT(BarPixel(bar, gx, 7) & 0xFF, 0x10u);
    EXPECT_LT(BarPixel(bar, gx, h - 15 + 5 + 3) & 0xFF, 0x10u);
    const int thumbX = (w - e) / 2 + e / 2, thumbY = (parts[2].top + parts[2].bottom) / 2;
    EXPECT_NE(BarPixel(bar, thumbX, thumbY), BarPixel(bar, thumbX, troughY));
    const uint32_t plainPlate = BarPixel(bar, e / 2, 12);
    Scroll_PaintBar(edit, SB_VERT, kScrollStartArrow);
    EXPECT_NE(BarPixel(bar, e / 2, 12), plainPlate);  // the hovered plate's tint

    // Disabled: trough and arrow plates, no thumb and no hover tint.
    EnableScrollBar(edit, SB_VERT, ESB_DISABLE_BOTH);
    MarkFrameCopy();
    Scroll_PaintBar(edit, SB_VERT, kScrollThumb);
    EXPECT_EQ(BarPixel(bar, thumbX, thumbY), BarPixel(bar, thumbX, troughY));
    EXPECT_NE(BarPixel(bar, 1, 8), BarPixel(bar, 1, troughY));  // the start plate's outline
    EXPECT_NE(BarPixel(bar, 1, h - 9), BarPixel(bar, 1, troughY));  // the end plate's
    const uint32_t disabledPlate = BarPixel(bar, w / 2, 12);
    Scroll_PaintBar(edit, SB_VERT, kScrollStartArrow);
    EXPECT_EQ(BarPixel(bar, w / 2, 12), disabledPlate);
}

TEST_F(CompanionBar, HitTestNamesThePartUnderThePoint) {
    HWND edit = MultiLine(WS_VSCROLL | WS_HSCROLL);
    Register();
    FillLines(edit, 200);
    Pump();
    Scroll_PaintBar(edit, SB_VERT, kScrollNone);
    Scroll_PaintBar(edit, SB_HORZ, kScrollNone);
    struct Case {
        const char* name;
        int direction;
        bool fromRight, fromBottom;  // the offset is taken from the right or bottom edge
        int dx, dy;
        int part;
    };
    const Case cases[] = {
        {"vertical start arrow corner", SB_VERT, false, false, 1, 1, kScrollStartArrow},
        {"vertical start arrow far corner", SB_VERT, true, false, 2, 17, kScrollStartArrow},
        {"vertical start arrow stops 2 short of the right", SB_VERT, true, false, 1, 5, kScrollNone},
        {"vertical end arrow", SB_VERT, false, true, 1, 17, kScrollEndArrow},
        {"vertical end arrow far corner", SB_VERT, true, true, 2, 1, kScrollEndArrow},
        {"horizontal start arrow", SB_HORZ, false, false, 17, 3, kScrollStartArrow},
        {"horizontal end arrow stops 4 short of the right", SB_HORZ, true, false, 4, 3, kScrollEndArrow},
        {"horizontal past the end arrow", SB_HORZ, true, false, 3, 3, kScrollNone},
        {"horizontal end arrow bottom", SB_HORZ, true, true, 10, 1, kScrollEndArrow},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const EditEntry& entry = *EditOf(edit);
        const RECT r = WindowRect(c.direction == SB_VERT ? entry.verticalBar : entry.horizontalBar);
        const int x = c.fromRight ? r.right - c.dx : r.left + c.dx;
        const int y = c.fromBottom ? r.bottom - c.dy : r.top + c.dy;
        EXPECT_EQ(Scroll_HitTest(edit, c.direction, MAKELPARAM(x, y)), c.part);
    }
    for (int direction : {SB_VERT, SB_HORZ}) {
        const EditEntry& entry = *EditOf(edit);
        const RECT r = WindowRect(direction == SB_VERT ? entry.verticalBar : entry.horizontalBar);
        const RECT& thumb = (direction == SB_VERT ? entry.verticalBarGeometry : entry.horizontalBarGeometry)[2];
        const int x = r.left + (thumb.left + thumb.right) / 2, y = r.top + (thumb.top + thumb.bottom) / 2;
        EXPECT_EQ(Scroll_HitTest(edit, direction, MAKELPARAM(x, y)), kScrollThumb) << direction;
    }
    // A control without companions has no parts.
    HWND plain = Child(L"Edit", WS_VISIBLE, 0, 200, 20, 100, 24);
    Register();
    EXPECT_EQ(Scroll_HitTest(plain, SB_VERT, MAKELPARAM(210, 30)), kScrollNone);
    Scroll_PaintBar(plain, SB_VERT, kScrollThumb);  // nothing to paint, nothing happens
}

}  // namespace
