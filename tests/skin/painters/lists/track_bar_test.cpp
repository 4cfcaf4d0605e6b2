// Track bars: registration from the style, the filled line and small thumb at the range maximum, the selection
// band, and the hover look when the mouse comes from another painter's control with the same position.
#include "skin/painters/lists/track_bar.h"

#include "skin/core/control_registration.h"
#include "tests/skin/painters/lists/bar_fixture.h"

namespace {

class TrackBarTest : public BarPainterTest {
protected:
    // A horizontal track bar over 0..10 at position, registered as entry 1.
    HWND Registered(int position, DWORD style = 0) {
        HWND bar = Control(TRACKBAR_CLASSW, style, 20, 40, 220, 32);
        TrackBar_Register(position_, top_);
        SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
        SendMessageW(bar, TBM_SETPOS, TRUE, position);
        return bar;
    }
    static RECT Channel(HWND bar) {
        RECT r{};
        SendMessageW(bar, TBM_GETCHANNELRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r;
    }
    static int ThumbLeft(HWND bar) {
        RECT r{};
        SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&r));
        return r.left;
    }
};

TEST_F(TrackBarTest, RegistrationReadsOrientationTicksAndSelectionFromTheStyle) {
    struct Case {
        DWORD style;
        int vertical, tickPlacement, selectionRange;
    };
    const Case cases[] = {
        {0, 0, 1, 0},
        {TBS_VERT, 1, 1, 0},
        {TBS_TOP, 0, 0, 0},
        {TBS_BOTH, 0, 2, 0},
        {TBS_NOTICKS | TBS_TOP, 0, 3, 0},
        {TBS_VERT | TBS_LEFT | TBS_ENABLESELRANGE, 1, 0, 1},
    };
    Skin_State().skinControls = 0;
    Control(TRACKBAR_CLASSW, 0, 0, 0, 100, 30);
    TrackBar_Register(position_, top_);
    EXPECT_EQ(record_->trackBars.size(), 1u);
    EXPECT_EQ(record_->trackBars[0].control, nullptr);  // with the skin off, only the placeholder

    DestroyWindow(GetWindow(top_, GW_CHILD));
    Skin_State().skinControls = 1;
    std::vector<HWND> bars;
    for (const Case& c : cases) bars.push_back(Control(TRACKBAR_CLASSW, c.style, 0, 0, 100, 30));
    TrackBar_Register(position_, top_);
    ASSERT_EQ(record_->trackBars.size(), std::size(cases));
    for (size_t i = 0; i < std::size(cases); ++i) {
        SCOPED_TRACE(i);
        const TrackBarEntry& entry = record_->trackBars[Prop_GetInt(bars[i], SkinProp::kListId) - 1];
        EXPECT_EQ(entry.control, bars[i]);
        EXPECT_EQ(entry.vertical, cases[i].vertical);
        EXPECT_EQ(entry.tickPlacement, cases[i].tickPlacement);
        EXPECT_EQ(entry.selectionRange, cases[i].selectionRange);
        EXPECT_EQ(Prop_GetInt(bars[i], SkinProp::kOwnerId), position_);
    }
    // Messages the painter does not handle still reach the control.
    SendMessageW(bars[0], TBM_SETRANGE, FALSE, MAKELPARAM(0, 40));
    EXPECT_EQ(SendMessageW(bars[0], TBM_GETRANGEMAX, 0, 0), 40);
}

TEST_F(TrackBarTest, AtTheMaximumTheLineReachesFurtherAndTheSmallThumbMovesOn) {
    struct Case {
        int position;
        bool lineAt7, lineAt3, thumbAt3, thumbAt11;  // along the track, pixels past the thumb's leading edge
    };
    const Case cases[] = {
        {10, true, true, false, true},   // at the maximum: line 10 further, thumb 8 further
        {5, false, false, true, false},  // elsewhere: the line stops short of the thumb, which sits at its edge
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.position);
        HWND bar = Registered(c.position);
        TrackBar_Draw(position_, 1);
        const int f = ThumbLeft(bar), row = Channel(bar).top + 1;
        EXPECT_EQ(IsThemed(Copy(bar, f + 7, row)), c.lineAt7);
        EXPECT_EQ(IsThemed(Copy(bar, f + 3, row)), c.lineAt3);
        EXPECT_EQ(IsWhitish(Copy(bar, f + 3, row)), c.thumbAt3);
        EXPECT_EQ(IsWhitish(Copy(bar, f + 11, row)), c.thumbAt11);
        DestroyWindow(bar);
        Skin_RecordAt(position_)->trackBars.assign(1, TrackBarEntry{});
    }
}

TEST_F(TrackBarTest, VerticalLineRunsDownTheChannelToTheThumb) {
    HWND bar = Control(TRACKBAR_CLASSW, TBS_VERT, 20, 40, 32, 160);
    TrackBar_Register(position_, top_);
    SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 10));
    SendMessageW(bar, TBM_SETPOS, TRUE, 6);
    TrackBar_Draw(position_, 1);
    RECT ch = Channel(bar), thumb{};
    SendMessageW(bar, TBM_GETTHUMBRECT, 0, reinterpret_cast<LPARAM>(&thumb));
    const bool upright = ch.bottom - ch.top > ch.right - ch.left;
    const int across = (upright ? ch.left : ch.top) + 1, start = upright ? ch.top : ch.left;
    int themed = 0;
    for (int y = start + 2; y < thumb.top - 1; ++y) themed += IsThemed(Copy(bar, across, y)) ? 1 : 0;
    EXPECT_EQ(themed, thumb.top - 3 - start);
    EXPECT_GT(themed, 50);
}

TEST_F(TrackBarTest, SelectionBandIsAWhiteLineOverItsPartOfTheChannel) {
    HWND bar = Registered(0, TBS_ENABLESELRANGE);
    SendMessageW(bar, TBM_SETSEL, FALSE, MAKELPARAM(2, 8));
    TrackBar_Draw(position_, 1);
    const RECT ch = Channel(bar);
    // The 4-pixel band sits in the middle of the channel, the line one pixel inside it.
    const int row = static_cast<int>(ch.top + (ch.bottom - ch.top - 4) / 2.0f + 1.5f), length = ch.right - ch.left;
    EXPECT_TRUE(IsWhitish(Copy(bar, ch.left + length / 2, row)));        // inside the selection
    EXPECT_FALSE(IsWhitish(Copy(bar, ch.left + length * 9 / 10, row)));  // beyond its end
}

TEST_F(TrackBarTest, HoverFromAnotherKindWithTheSamePositionRedrawsOnceAndLeaveRestores) {
    HWND bar = Registered(5);
    const int f = ThumbLeft(bar), row = Channel(bar).top + 1;
    // A list control at position 1 was drawn hovered last.
    record_->hoverKind = 4;
    record_->hoverItem = record_->hoverPainted = 1;
    FillCopy(kMarker);
    SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(f, row));
    EXPECT_TRUE(IsWhitish(Copy(bar, f + 8, row)));  // the large thumb
    EXPECT_EQ(record_->trackBars[0].hovered, 1);
    EXPECT_EQ(record_->hoverKind, 2);
    EXPECT_EQ(record_->hoverPainted, 1);

    FillCopy(kMarker);
    SendMessageW(bar, WM_MOUSEMOVE, 0, MAKELPARAM(f + 1, row));
    EXPECT_EQ(Copy(bar, f + 8, row), kMarker);  // already drawn hovered: no redraw

    SendMessageW(bar, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(IsWhitish(Copy(bar, f + 8, row)));
    EXPECT_TRUE(IsWhitish(Copy(bar, f + 3, row)));  // the small thumb again
    EXPECT_EQ(record_->trackBars[0].hovered, 0);
    EXPECT_EQ(record_->hoverPainted, 0);
}

}  // namespace
