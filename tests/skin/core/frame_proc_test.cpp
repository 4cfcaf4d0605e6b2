// The frame procedure driven by synthetic input, seen through the recorder installed as the window's original
// procedure: moving and edge sizing, caption button clicks and fades, sizing rules, title redraws, deactivation,
// maximising to the work area and teardown.
#include "skin/core/frame_internal.h"
#include "tests/skin/core/frame_fixture.h"

#include <string>

namespace {

using FrameProcTest = FrameWindowTest;

bool Logged(HWND window, UINT message, WPARAM wParam) {
    for (const LoggedMessage& m : MessageLog::For(window, {message}))
        if (m.wParam == wParam) return true;
    return false;
}

TEST_F(FrameProcTest, PressesMoveOrSizeTheWindow) {
    struct Case {
        const char* name;
        int resizable;
        int x, y;
        UINT expected;  // 0: neither
        WPARAM wParam;
    };
    const int W = kFrameWidth, H = kFrameHeight;
    const Case cases[] = {
        {"title band, fixed size", 0, 2, 2, WM_NCLBUTTONDOWN, HTCAPTION},
        {"title band, resizable corner", 1, 2, 2, WM_SYSCOMMAND, SC_SIZE | WMSZ_TOPLEFT},
        {"right edge in the band, resizable", 1, W - 2, 24, WM_SYSCOMMAND, SC_SIZE | WMSZ_RIGHT},
        {"right edge in the band, fixed size", 0, W - 2, 24, WM_NCLBUTTONDOWN, HTCAPTION},
        {"bottom edge, resizable", 1, 200, H - 1, WM_SYSCOMMAND, SC_SIZE | WMSZ_BOTTOM},
        {"bottom edge, fixed size", 0, 200, H - 1, 0, 0},
        {"middle of the title", 1, 100, 12, WM_NCLBUTTONDOWN, HTCAPTION},
        {"close button", 1, W - 2, 15, 0, 0},
        {"client area", 1, 200, 200, 0, 0},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        DressParams params;
        params.resizable = c.resizable;
        DressFive(params);
        Record().frameDirty = 0;
        MessageLog::Clear();
        Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(c.x, c.y));
        const int moves = MessageLog::Count(window_, WM_NCLBUTTONDOWN);
        const auto sizes = MessageLog::For(window_, {WM_SYSCOMMAND});
        if (c.expected == WM_NCLBUTTONDOWN) {
            EXPECT_EQ(moves, 1);
            EXPECT_TRUE(Logged(window_, WM_NCLBUTTONDOWN, HTCAPTION));
            EXPECT_TRUE(sizes.empty());
        } else if (c.expected == WM_SYSCOMMAND) {
            ASSERT_EQ(sizes.size(), 1u);
            EXPECT_EQ(sizes[0].wParam, c.wParam);
            EXPECT_EQ(moves, 0);
            EXPECT_EQ(Record().frameDirty, 1);
        } else {
            EXPECT_EQ(moves, 0);
            EXPECT_TRUE(sizes.empty());
        }
        EXPECT_EQ(MessageLog::Count(window_, WM_LBUTTONDOWN), 1) << "the press goes on";
        Send(WM_LBUTTONUP, 0, Point(c.x, c.y));
        DestroyWindow(window_);
    }
}

TEST_F(FrameProcTest, CaptionButtonClicksMatchTheReleasePoint) {
    const int n = DressFive();
    Frame_Compose(n, false);
    const DibSurface composed = CopyOf(Record().frameDC);
    const int minimise = 3, maximise = 4, close = 5;

    // Pressed, then released over the neighbour: the neighbour acts.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, ButtonCentre(minimise));
    const RECT minimiseBox = Frame_CaptionButtonArea(Record(), minimise);
    EXPECT_GT(CountDifferences(CopyOf(Record().frameDC), composed, minimiseBox, true), 20) << "pressed look";
    Send(WM_MOUSEMOVE, MK_LBUTTON, ButtonCentre(maximise));
    MessageLog::Clear();
    Send(WM_LBUTTONUP, 0, ButtonCentre(maximise));
    EXPECT_TRUE(Logged(window_, WM_SYSCOMMAND, SC_MAXIMIZE));
    EXPECT_FALSE(Logged(window_, WM_SYSCOMMAND, SC_MINIMIZE));
    EXPECT_EQ(Record().maximized, 1);
    EXPECT_EQ(Record().captionButtons[maximise - 1].tipText, "还原");
    EXPECT_EQ(CountDifferences(CopyOf(Record().frameDC), composed, minimiseBox, true), 0) << "back up";

    // A press that started elsewhere clicks nothing where it ends.
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(200, 200));
    Send(WM_MOUSEMOVE, MK_LBUTTON, ButtonCentre(close));
    MessageLog::Clear();
    Send(WM_LBUTTONUP, 0, ButtonCentre(close));
    EXPECT_FALSE(Logged(window_, WM_SYSCOMMAND, SC_CLOSE));

    // Pressing and releasing the close button (the window is now as wide as the work area) closes the window.
    RECT client{};
    GetClientRect(window_, &client);
    Send(WM_LBUTTONDOWN, MK_LBUTTON, Point(client.right - 2, 15));
    Send(WM_LBUTTONUP, 0, Point(client.right - 2, 15));
    EXPECT_TRUE(Logged(window_, WM_SYSCOMMAND, SC_CLOSE));
    EXPECT_FALSE(IsWindow(window_));
    EXPECT_EQ(Skin_Registry().size(), 0u);
}

TEST_F(FrameProcTest, HoverFadesInAndOutInEightTicksEach) {
    const int n = DressFive();
    Frame_Compose(n, false);
    WindowSkinRecord& record = Record();
    const DibSurface composed = CopyOf(record.frameDC);
    const WPARAM timer = reinterpret_cast<WPARAM>(window_);
    const int help = 1;
    const RECT box = Frame_CaptionButtonArea(record, help);

    Send(WM_MOUSEMOVE, 0, ButtonCentre(help));
    Send(WM_MOUSEHOVER, 0, ButtonCentre(help));
    EXPECT_EQ(record.fadeTimerOn, 1);
    EXPECT_EQ(record.hotButton, help);
    int lastDifference = 0;
    for (int tick = 1; tick <= 8; ++tick) {
        Send(WM_TIMER, timer);
        EXPECT_EQ(record.fadeIn.step, tick);
        const int difference = CountDifferences(CopyOf(record.frameDC), composed, box, true);
        EXPECT_GT(difference, 0) << tick;
        lastDifference = difference;
    }
    const DibSurface full = CopyOf(record.frameDC);
    Send(WM_TIMER, timer);
    EXPECT_EQ(CountDifferences(CopyOf(record.frameDC), full, box, true), 0) << "full strength stays";
    EXPECT_GT(lastDifference, 20);

    Send(WM_MOUSEMOVE, 0, Point(100, 12));  // out of the group, into the title band
    EXPECT_EQ(record.fadeTimerOn, 0);
    for (int tick = 1; tick <= 8; ++tick) {
        EXPECT_EQ(record.fadeOut.position, help) << tick;
        Send(WM_TIMER, timer);
    }
    EXPECT_EQ(record.fadeOut.position, 0);
    EXPECT_EQ(record.hotButton, 0);
    EXPECT_FALSE(KillTimer(window_, timer)) << "the fade timer was killed";
    EXPECT_EQ(CountDifferences(CopyOf(record.frameDC), composed, box, true), 0);
    EXPECT_EQ(MessageLog::Count(window_, WM_TIMER), 17) << "timer ticks go on";
}

TEST_F(FrameProcTest, OnlyTheFirstSizeOfAllLeavesTheFrameClean) {
    DressFive();
    Skin_State().firstSizePending = 1;
    MessageLog::Clear();
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(kFrameWidth, kFrameHeight));
    EXPECT_EQ(Record().frameDirty, 0);
    EXPECT_EQ(Skin_State().firstSizePending, 0);
    Send(WM_SIZE, SIZE_RESTORED, MAKELPARAM(kFrameWidth, kFrameHeight));
    EXPECT_EQ(Record().frameDirty, 1);
    EXPECT_EQ(MessageLog::Count(window_, WM_SIZE), 2);
}

TEST_F(FrameProcTest, NewTitleRedrawsOnlyTheTitle) {
    const int n = DressFive();
    Frame_Compose(n, false);
    const DibSurface before = CopyOf(Record().frameDC);
    Send(WM_SETTEXT, 0, reinterpret_cast<LPARAM>(L"A much longer window title"));
    const DibSurface after = CopyOf(Record().frameDC);
    const RECT title{kFrameTitleLeft, kFrameTitleTop, Record().buttonsLeft, Record().titleHeight};
    EXPECT_GT(CountDifferences(after, before, title, true), 20);
    EXPECT_EQ(CountDifferences(after, before, title, false), 0);
    wchar_t text[64] = {};
    GetWindowTextW(window_, text, 64);
    EXPECT_EQ(std::wstring(text), L"A much longer window title");
}

TEST_F(FrameProcTest, DeactivationTrimsAndWritesNoFile) {
    DressFive();
    wchar_t windir[MAX_PATH] = {};
    GetEnvironmentVariableW(L"windir", windir, MAX_PATH);
    const std::wstring tool = std::wstring(windir) + L"\\empty.exe";
    ASSERT_EQ(GetFileAttributesW(tool.c_str()), INVALID_FILE_ATTRIBUTES);
    Send(WM_ACTIVATEAPP, TRUE, 0);
    EXPECT_EQ(Record().active, 1);
    Send(WM_ACTIVATEAPP, FALSE, 0);
    EXPECT_EQ(Record().active, 0);
    EXPECT_EQ(GetFileAttributesW(tool.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_EQ(MessageLog::Count(window_, WM_ACTIVATEAPP), 2);
}

TEST(FrameWorkArea, FollowsTheTaskbar) {
    struct Case {
        const char* name;
        RECT taskbar;
        bool visible, tracking;
        SIZE expected;
    };
    const Case cases[] = {
        {"vertical, visible", {0, 0, 60, 1080}, true, false, {1860, 1080}},
        {"vertical, visible, tracking", {0, 0, 60, 1080}, true, true, {1860, 1080}},
        {"vertical, hidden, tracking", {0, 0, 60, 1080}, false, true, {1920, 1080}},
        {"vertical, hidden", {0, 0, 60, 1080}, false, false, {1860, 1080}},
        {"bottom", {0, 1040, 1920, 1080}, true, false, {1920, 1040}},
        {"bottom, slid away", {0, 1078, 1920, 1118}, true, false, {1920, 1080}},
        {"top, slid away", {0, -38, 1920, 2}, true, false, {1920, 1080}},
    };
    for (const Case& c : cases) {
        const SIZE size = Frame_WorkAreaFromTaskbar(c.taskbar, c.visible, 1920, 1080, c.tracking);
        EXPECT_EQ(size.cx, c.expected.cx) << c.name;
        EXPECT_EQ(size.cy, c.expected.cy) << c.name;
    }
}

TEST_F(FrameProcTest, TrackingSizesAndMaximisingToTheWorkArea) {
    DressFive();
    MINMAXINFO info{};
    Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    EXPECT_EQ(info.ptMaxTrackSize.x, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(info.ptMaxTrackSize.y, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(info.ptMinTrackSize.x, 200);
    EXPECT_EQ(info.ptMinTrackSize.y, 150);

    // Sized to the whole screen, the window takes the work area instead, once.
    const int sw = GetSystemMetrics(SM_CXSCREEN), sh = GetSystemMetrics(SM_CYSCREEN);
    SetWindowPos(window_, nullptr, 0, 0, sw, sh, SWP_NOZORDER | SWP_NOACTIVATE);
    EXPECT_EQ(Record().maximized, 1);
    const RECT area = Frame_WorkArea(false);
    RECT now{};
    GetWindowRect(window_, &now);
    EXPECT_TRUE(EqualRect(&now, &area));
    EXPECT_LT(MessageLog::Count(window_, WM_WINDOWPOSCHANGED), 4);
    EXPECT_EQ(Record().buttonsLeft, (area.right - area.left) - Record().buttonsWidth + 1) << "buttons laid out again";
    info = {};
    Send(WM_GETMINMAXINFO, 0, reinterpret_cast<LPARAM>(&info));
    const RECT tracking = Frame_WorkArea(true);
    EXPECT_EQ(info.ptMaxTrackSize.x, tracking.right - tracking.left);
    EXPECT_EQ(info.ptMaxTrackSize.y, tracking.bottom - tracking.top);
}

HWND g_destroyed = nullptr;
LONG_PTR g_procedureAtNcDestroy = 0;

TEST_F(FrameProcTest, DestroyingFreesTheRecordAndRestoresTheProcedure) {
    const int n = DressFive();
    Frame_Compose(n, true);
    Send(WM_MOUSEMOVE, 0, ButtonCentre(1));  // the fade timer runs
    HWND label = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD | WS_VISIBLE, 10, 40, 50, 20, window_, nullptr, nullptr,
                                 nullptr);
    SetPropW(label, SkinProp::kColourBrush, CreateSolidBrush(RGB(1, 2, 3)));
    SetPropW(label, SkinProp::kColourBitmap, CreateBitmap(4, 4, 1, 32, nullptr));
    g_destroyed = window_;
    MessageLog::SetFilter([](UINT message) {
        if (message == WM_NCDESTROY) g_procedureAtNcDestroy = GetWindowLongPtrW(g_destroyed, GWLP_WNDPROC);
        return true;
    });
    const int headroom = Gdi_Headroom();
    DestroyWindow(window_);
    EXPECT_EQ(Skin_Registry().size(), 0u);
    EXPECT_EQ(MessageLog::Count(g_destroyed, WM_NCDESTROY), 1);
    EXPECT_NE(g_procedureAtNcDestroy, 0);
    EXPECT_NE(g_procedureAtNcDestroy, reinterpret_cast<LONG_PTR>(Frame_Procedure));
    EXPECT_GT(Gdi_Headroom(), headroom) << "the frame surfaces and the child's colour objects are gone";
}

}  // namespace
