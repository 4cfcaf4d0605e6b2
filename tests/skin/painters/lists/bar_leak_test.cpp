// Redrawing the bar painters' controls for hover changes over and over leaves no GDI object and no memory DC
// behind.
#include "skin/draw/mem_dc_table.h"
#include "skin/painters/lists/progress_bar.h"
#include "skin/painters/lists/track_bar.h"
#include "skin/painters/lists/up_down.h"
#include "tests/skin/painters/lists/bar_fixture.h"
#include "tests/support/gdi_probe.h"

namespace {

using BarLeakTest = BarPainterTest;

TEST_F(BarLeakTest, TenThousandHoverRedrawsLeaveNothingBehind) {
    HWND track = Control(TRACKBAR_CLASSW, TBS_ENABLESELRANGE, 10, 10, 200, 30);
    HWND upDown = Control(UPDOWN_CLASSW, 0, 220, 10, 20, 40);
    Control(PROGRESS_CLASSW, PBS_VERTICAL, 260, 10, 20, 100);
    TrackBar_Register(position_, top_);
    UpDown_Register(position_, top_);
    Progress_Register(position_, top_);
    SendMessageW(track, TBM_SETSEL, FALSE, MAKELPARAM(10, 60));

    // One hover change per step, round the three controls: the mouse comes onto the track bar, onto the up-down
    // (alternating halves), then leaves both; the progress bar redraws in between.
    const auto step = [&](int i) {
        switch (i % 6) {
            case 0: SendMessageW(track, WM_MOUSEMOVE, 0, MAKELPARAM(i % 200, 15)); break;
            case 1: SendMessageW(upDown, WM_MOUSEMOVE, 0, MAKELPARAM(10, (i % 4) ? 5 : 30)); break;
            case 2: Progress_Draw(position_, 1); break;
            case 3: SendMessageW(track, WM_MOUSELEAVE, 0, 0); break;
            case 4: SendMessageW(upDown, WM_MOUSELEAVE, 0, 0); break;
            default: Progress_Draw(position_, 1); break;
        }
    };
    for (int i = 0; i < 6; ++i) step(i);  // first use of GDI+ and the common controls settles their own caches
    const int before = Gdi_Headroom();
    const int dcs = MemDc_Count();
    for (int i = 0; i < 10000; ++i) step(i);
    EXPECT_EQ(Gdi_Headroom(), before);
    EXPECT_EQ(MemDc_Count(), dcs);
}

}  // namespace
