// Progress bars: the fill follows the position's share of the range, vertical bars fill from the bottom, and a bar
// at 0 or with an empty range shows the trough only.
#include "skin/painters/lists/progress_bar.h"

#include "skin/core/control_registration.h"
#include "tests/skin/painters/lists/bar_fixture.h"

namespace {

using ProgressBarTest = BarPainterTest;

struct Probe {
    int x, y;  // in the bar's window, as a fraction of its size in percent
    bool themed;
};

TEST_F(ProgressBarTest, FillFollowsThePositionsShareOfTheRange) {
    struct Case {
        const char* name;
        DWORD style;
        int width, height, low, high, position;
        std::vector<Probe> probes;  // empty: no themed pixel anywhere
    };
    const Case cases[] = {
        {"at 0 the trough only", 0, 120, 20, 0, 100, 0, {}},
        {"empty range the trough only", 0, 120, 20, 50, 50, 50, {}},
        {"vertical at 0", PBS_VERTICAL, 20, 120, 0, 100, 0, {}},
        {"horizontal full", 0, 120, 20, 0, 100, 100, {{5, 50, true}, {50, 50, true}, {93, 50, true}}},
        {"horizontal half", 0, 120, 20, 0, 100, 50, {{25, 50, true}, {40, 50, true}, {60, 50, false}}},
        {"vertical half fills the lower half",
         PBS_VERTICAL,
         20,
         120,
         0,
         100,
         50,
         {{50, 25, false}, {50, 45, false}, {50, 56, true}, {50, 75, true}, {50, 95, true}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND bar = Control(PROGRESS_CLASSW, c.style, 30, 30, c.width, c.height);
        Progress_Register(position_, top_);
        ASSERT_EQ(Prop_GetInt(bar, SkinProp::kListId), 1);
        EXPECT_EQ(record_->progressBars[0].vertical, (c.style & PBS_VERTICAL) ? 1 : 0);
        SendMessageW(bar, PBM_SETRANGE32, c.low, c.high);
        SendMessageW(bar, PBM_SETPOS, c.position, 0);
        PBRANGE range{};
        SendMessageW(bar, PBM_GETRANGE, TRUE, reinterpret_cast<LPARAM>(&range));
        ASSERT_EQ(range.iHigh - range.iLow, c.high - c.low);

        FillCopy(kMarker);
        Progress_Draw(position_, 1);
        RECT r{};
        GetWindowRect(bar, &r);
        const int w = r.right - r.left, h = r.bottom - r.top;
        EXPECT_NE(Copy(bar, w / 2, h / 2), kMarker);  // drawn
        if (c.probes.empty()) {
            int themed = 0;
            for (uint32_t p : Picture(bar)) themed += IsThemed(p) ? 1 : 0;
            EXPECT_EQ(themed, 0);
        }
        for (const Probe& p : c.probes) {
            SCOPED_TRACE(testing::Message() << p.x << "%, " << p.y << "%");
            EXPECT_EQ(IsThemed(Copy(bar, w * p.x / 100, h * p.y / 100)), p.themed);
        }
        DestroyWindow(bar);
        record_->progressBars.assign(1, ProgressBarEntry{});
    }
}

TEST_F(ProgressBarTest, PaintAndNonClientPaintDrawTheWholeWindow) {
    HWND bar = Control(PROGRESS_CLASSW, 0, 30, 30, 120, 20);
    Progress_Register(position_, top_);
    SendMessageW(bar, PBM_SETPOS, 100, 0);
    for (UINT message : {WM_PAINT, WM_NCPAINT}) {
        SCOPED_TRACE(message);
        FillCopy(kMarker);
        InvalidateRect(bar, nullptr, FALSE);
        const LRESULT result = SendMessageW(bar, message, message == WM_NCPAINT ? 1 : 0, 0);
        if (message == WM_NCPAINT) {
            EXPECT_EQ(result, 1);
        }
        EXPECT_NE(Copy(bar, 0, 0), kMarker);  // the picture covers the border too
        EXPECT_TRUE(IsThemed(Copy(bar, 60, 10)));
    }
}

}  // namespace
