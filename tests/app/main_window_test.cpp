// The main window against its form table, under whatever ANSI code page the test runs with.
#include "app/app.h"
#include "app/main_form.h"
#include "app/runtime.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

#include <atomic>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Expected {
    const char* name;
    const wchar_t* className;
    RECT rect; // client coordinates of the window
    const wchar_t* text;
    DWORD style; // bits that must be set
};

const Expected kControls[] = {
    {"标签2", L"Static", {40, 392, 224, 419}, L"北窗客", WS_CHILD | WS_VISIBLE},
    {"编辑框2", L"Edit", {16, 72, 360, 384}, L"     拾贝宝箱\r\n  复制本处文本到迅雷下载",
     WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL},
    {"标签1", L"Static", {8, 33, 69, 57}, L"输入网址：", WS_CHILD | WS_VISIBLE},
    {"编辑框1", L"Edit", {69, 29, 294, 61}, L"http://www.shellshare.example/topics/2847/",
     WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL},
    {"按钮1", L"Button", {296, 29, 368, 61}, L"点击提取", WS_CHILD | WS_VISIBLE | BS_PUSHBUTTON},
};

std::wstring TextOf(HWND window) {
    wchar_t buffer[512] = {};
    GetWindowTextW(window, buffer, 512);
    return buffer;
}

std::wstring ClassOf(HWND window) {
    wchar_t buffer[64] = {};
    GetClassNameW(window, buffer, 64);
    return buffer;
}

struct CreatedProbe {
    bool ran = false;
    bool visibleAtCreation = true;
    int controlsAtCreation = 0;
} g_created;

void OnCreatedProbe() {
    g_created.ran = true;
    g_created.visibleAtCreation = IsWindowVisible(Runtime_Handle("窗口"));
    for (const Expected& e : kControls) g_created.controlsAtCreation += Runtime_Handle(e.name) != nullptr;
}

class MainWindowTest : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(Runtime_Startup());
        g_created = {};
        window_ = Runtime_LoadWindow(MainWindow_Form(OnCreatedProbe, App_OnExtractClicked));
        ASSERT_NE(window_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        PumpFor(20);
    }
    HWND window_ = nullptr;
};

TEST(Locale, RunsUnderTheRequestedCodePage) {
    const char* locale = std::getenv("SHIBEI_LC_ALL");
    const bool western = locale && std::string(locale).rfind("en_US", 0) == 0;
    EXPECT_EQ(GetACP(), western ? 1252u : 936u);
}

TEST_F(MainWindowTest, WindowMatchesItsForm) {
    EXPECT_EQ(TextOf(window_), L"拾贝");
    RECT rect;
    GetWindowRect(window_, &rect);
    EXPECT_EQ(rect.left, 50);
    EXPECT_EQ(rect.top, 50);
    EXPECT_EQ(rect.right - rect.left, 380);
    EXPECT_EQ(rect.bottom - rect.top, 429);
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_MINIMIZEBOX);
    EXPECT_FALSE(style & WS_MAXIMIZEBOX);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_FALSE(style & WS_THICKFRAME);
    EXPECT_TRUE(GetWindowLongPtrW(window_, GWL_EXSTYLE) & WS_EX_APPWINDOW);
    EXPECT_TRUE(IsWindowVisible(window_));
}

TEST_F(MainWindowTest, CreatedEventRunsWhenControlsExistBeforeShowing) {
    EXPECT_TRUE(g_created.ran);
    EXPECT_FALSE(g_created.visibleAtCreation);
    EXPECT_EQ(g_created.controlsAtCreation, 5);
}

TEST_F(MainWindowTest, ControlsMatchTheFormInCreationOrder) {
    HWND child = GetWindow(window_, GW_CHILD);
    for (const Expected& e : kControls) {
        SCOPED_TRACE(e.name);
        HWND control = Runtime_Handle(e.name);
        ASSERT_NE(control, nullptr);
        EXPECT_EQ(child, control) << "creation order";
        EXPECT_EQ(ClassOf(control), e.className);
        EXPECT_EQ(TextOf(control), e.text);
        RECT rect;
        GetWindowRect(control, &rect);
        MapWindowPoints(nullptr, window_, reinterpret_cast<POINT*>(&rect), 2);
        EXPECT_EQ(rect.left, e.rect.left);
        EXPECT_EQ(rect.top, e.rect.top);
        EXPECT_EQ(rect.right, e.rect.right);
        EXPECT_EQ(rect.bottom, e.rect.bottom);
        EXPECT_EQ(static_cast<DWORD>(GetWindowLongPtrW(control, GWL_STYLE)) & e.style, e.style);
        child = GetWindow(child, GW_HWNDNEXT);
    }
    EXPECT_EQ(child, nullptr);
}

TEST_F(MainWindowTest, OutputBoxHasItsFormFontAndNoLengthLimit) {
    HWND output = Runtime_Handle("编辑框2");
    LOGFONTW font{};
    ASSERT_EQ(GetObjectW(reinterpret_cast<HFONT>(SendMessageW(output, WM_GETFONT, 0, 0)), sizeof(font), &font),
              static_cast<int>(sizeof(font)));
    EXPECT_EQ(font.lfHeight, -24);
    EXPECT_EQ(font.lfWeight, FW_NORMAL);
    EXPECT_EQ(font.lfCharSet, GB2312_CHARSET);
    EXPECT_EQ(font.lfFaceName[0], L'\0');
    EXPECT_GT(SendMessageW(output, EM_GETLIMITTEXT, 0, 0), 0x100000);
}

std::atomic<int> g_jobsStarted{0};
HANDLE g_bothStarted = nullptr;

void BlockingJobProbe() {
    if (++g_jobsStarted == 2) SetEvent(g_bothStarted);
    WaitForSingleObject(g_bothStarted, 5000); // the first job waits here until the second one runs
}

TEST_F(MainWindowTest, TwoQuickClicksStartTwoJobsAtOnce) {
    g_bothStarted = CreateEventW(nullptr, TRUE, FALSE, nullptr);
    App_SetJobRoutine(BlockingJobProbe);
    HWND button = Runtime_Handle("按钮1");
    SendMessageW(button, BM_CLICK, 0, 0);
    SendMessageW(button, BM_CLICK, 0, 0);
    EXPECT_TRUE(PumpUntil([] { return g_jobsStarted == 2; }));
    EXPECT_EQ(WaitForSingleObject(g_bothStarted, 0), WAIT_OBJECT_0);
    App_SetJobRoutine(nullptr);
}

// The main window of this process: the same test program may run beside us under another locale.
HWND FindOwnMainWindow() {
    for (HWND window = FindWindowW(L"ShibeiForm", nullptr); window;
         window = FindWindowExW(nullptr, window, L"ShibeiForm", nullptr)) {
        DWORD process = 0;
        GetWindowThreadProcessId(window, &process);
        if (process == GetCurrentProcessId()) return window;
    }
    return nullptr;
}

DWORD WINAPI CloseMainWindowWhenShown(void*) {
    for (int i = 0; i < 500; ++i) {
        HWND window = FindOwnMainWindow();
        if (window && IsWindowVisible(window)) {
            PostMessageW(window, WM_CLOSE, 0, 0);
            return 1;
        }
        Sleep(10);
    }
    return 0;
}

TEST(AppStart, RunsUntilTheMainWindowCloses) {
    HANDLE closer = CreateThread(nullptr, 0, CloseMainWindowWhenShown, nullptr, 0, nullptr);
    EXPECT_EQ(App_Start(), 0);
    DWORD found = 0;
    WaitForSingleObject(closer, 5000);
    GetExitCodeThread(closer, &found);
    CloseHandle(closer);
    EXPECT_EQ(found, 1u);
    EXPECT_EQ(FindOwnMainWindow(), nullptr);
}

} // namespace
