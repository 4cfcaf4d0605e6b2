// The run time's property operations as a worker thread uses them, while the UI thread pumps messages.
#include "app/runtime.h"
#include "tests/support/gdi_probe.h"
#include "tests/support/wait.h"
#include "toolkit/codepage.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

namespace {

void NoClick() {}

WindowForm TestForm() {
    return WindowForm{"测试窗", "运行时", 10, 10, 300, 200, WS_POPUP, 0, nullptr,
                      {
                          {"输出", ControlKind::Edit, 0, 0, 200, 100, "起", ES_MULTILINE | WS_VSCROLL, 0,
                           FontForm{-20, FW_BOLD, GB2312_CHARSET, "宋体"}, nullptr},
                          {"按钮", ControlKind::Button, 0, 120, 80, 30, "点击", BS_PUSHBUTTON, 0, {}, NoClick},
                      }};
}

class RuntimeTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Runtime_Startup());
        window_ = Runtime_LoadWindow(TestForm());
        ASSERT_NE(window_, nullptr);
        edit_ = Runtime_Handle("输出");
        button_ = Runtime_Handle("按钮");
    }
    void TearDown() override {
        DestroyWindow(window_);
        PumpFor(20);
    }
    // Runs work on a worker thread and pumps this (the UI) thread's messages until it ends.
    void OnWorker(const std::function<void()>& work) {
        std::atomic<bool> done{false};
        std::thread worker([&] {
            work();
            done = true;
        });
        EXPECT_TRUE(PumpUntil([&] { return done.load(); }, 20000));
        worker.join();
    }
    LOGFONTW FontOf(HWND control) {
        LOGFONTW font{};
        GetObjectW(reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0)), sizeof(font), &font);
        return font;
    }
    HWND window_ = nullptr, edit_ = nullptr, button_ = nullptr;
};

TEST_F(RuntimeTest, WorkerReadsAndWritesTextsInCodePage936) {
    Text before, after;
    OnWorker([&] {
        before = Runtime_GetText(edit_);
        Runtime_SetText(edit_, "");
        Runtime_SetCaption(button_, "提取中....");
        after = Runtime_GetText(edit_);
    });
    EXPECT_EQ(before, "起");
    EXPECT_EQ(after, "");
    wchar_t caption[32] = {};
    GetWindowTextW(button_, caption, 32);
    EXPECT_STREQ(caption, L"提取中....");
}

TEST_F(RuntimeTest, FontSizeKeepsFaceWeightAndCharsetAndDropsTheOldFont) {
    auto oldFont = reinterpret_cast<HFONT>(SendMessageW(edit_, WM_GETFONT, 0, 0));
    OnWorker([&] { Runtime_SetFontSize(edit_, 9); });
    HDC screen = GetDC(nullptr);
    const int expected = -MulDiv(9, GetDeviceCaps(screen, LOGPIXELSY), 72);
    ReleaseDC(nullptr, screen);
    const LOGFONTW font = FontOf(edit_);
    EXPECT_EQ(font.lfHeight, expected);
    EXPECT_EQ(font.lfWeight, FW_BOLD);
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_STREQ(font.lfFaceName, L"宋体");
    LOGFONTW gone{};
    EXPECT_EQ(GetObjectW(oldFont, sizeof(gone), &gone), 0) << "the replaced font was not deleted";
}


TEST_F(RuntimeTest, RepeatedFontSizeChangesLeakNoFonts) {
    Runtime_SetFontSize(edit_, 10);
    const int before = Gdi_Headroom();
    for (int i = 0; i < 300; ++i) Runtime_SetFontSize(edit_, 8 + i % 5);
    const int after = Gdi_Headroom();
    EXPECT_LE(before - after, 2) << "handles lost over 300 font changes";
}

TEST_F(RuntimeTest, AppendOfTwoMegabytesArrivesWhole) {
    // 2 MB in 128 KB pieces of link-sized lines: far past the 32K characters a multi-line edit box holds
    // by default.
    std::string line(62, 'a');
    line[0] = '\xca', line[1] = '\xb0'; // 拾
    line += "\r\n";
    std::string piece;
    while (piece.size() < 128 * 1024) piece += line;
    const int pieces = 16;
    SetWindowTextW(edit_, L"");
    OnWorker([&] {
        for (int i = 0; i < pieces; ++i) Runtime_AppendText(edit_, piece);
    });
    const int expected = static_cast<int>(Cp936_ToWide(piece).size()) * pieces;
    EXPECT_EQ(GetWindowTextLengthW(edit_), expected);
    DWORD start = 0, end = 0;
    SendMessageW(edit_, EM_GETSEL, reinterpret_cast<WPARAM>(&start), reinterpret_cast<LPARAM>(&end));
    EXPECT_EQ(static_cast<int>(end), expected) << "the insertion point ends after the appended text";
}

TEST_F(RuntimeTest, AppendGoesToTheEndWhateverTheSelection) {
    SetWindowTextW(edit_, L"abc");
    SendMessageW(edit_, EM_SETSEL, 0, 1);
    Runtime_AppendText(edit_, "\xca\xb0");
    wchar_t text[16] = {};
    GetWindowTextW(edit_, text, 16);
    EXPECT_STREQ(text, L"abc拾");
    EXPECT_FALSE(SendMessageW(edit_, EM_CANUNDO, 0, 0));
}

struct BoxSeen {
    bool found = false;
    HWND owner = reinterpret_cast<HWND>(1);
    std::wstring text;
    int buttons = 0;
    bool icon = false;
};

BOOL CALLBACK InspectBoxChild(HWND child, LPARAM param) {
    auto* seen = reinterpret_cast<BoxSeen*>(param);
    wchar_t cls[32] = {}, text[128] = {};
    GetClassNameW(child, cls, 32);
    GetWindowTextW(child, text, 128);
    const LONG_PTR style = GetWindowLongPtrW(child, GWL_STYLE);
    if (!lstrcmpiW(cls, L"Button") && IsWindowVisible(child)) ++seen->buttons;
    if (!lstrcmpiW(cls, L"Static") && (style & SS_TYPEMASK) == SS_ICON && IsWindowVisible(child))
        seen->icon = SendMessageW(child, STM_GETICON, 0, 0) != 0;
    if (!lstrcmpiW(cls, L"Static") && text[0]) seen->text = text;
    return TRUE;
}

TEST_F(RuntimeTest, MessageBoxIsOwnerlessWithCaptionAndOkOnly) {
    BoxSeen seen;
    std::atomic<bool> done{false};
    std::atomic<DWORD> workerId{0};
    std::thread worker([&] {
        workerId = GetCurrentThreadId();
        Runtime_MessageBox("填写有误，请确认");
        done = true;
    });
    HWND box = nullptr;
    PumpUntil([&] { return (box = FindWindowW(L"#32770", L"信息：")) != nullptr && IsWindowVisible(box); });
    ASSERT_NE(box, nullptr);
    seen.found = true;
    seen.owner = GetWindow(box, GW_OWNER);
    EnumChildWindows(box, InspectBoxChild, reinterpret_cast<LPARAM>(&seen));
    EXPECT_EQ(GetWindowThreadProcessId(box, nullptr), workerId.load())
        << "the worker shows the box itself";
    PostMessageW(box, WM_COMMAND, IDOK, 0);
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    worker.join();
    EXPECT_EQ(seen.owner, nullptr);
    EXPECT_EQ(seen.text, L"填写有误，请确认");
    EXPECT_EQ(seen.buttons, 1);
    EXPECT_FALSE(seen.icon);
}

int g_exitCalls = 0;

TEST(RuntimeExit, RoutineRunsOnce) {
    Runtime_RegisterExit([] { ++g_exitCalls; });
    Runtime_Exit();
    Runtime_Exit();
    EXPECT_EQ(g_exitCalls, 1);
}

} // namespace
