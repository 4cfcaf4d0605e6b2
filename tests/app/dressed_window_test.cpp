// The extractor's window as the skin dresses it at creation: caption buttons, dressed labels, the output box's
// colour and its companion scroll bar, probed in the whole-window copy the painters keep in step with the screen.
#include "app/app.h"
#include "app/globals.h"
#include "app/main_form.h"
#include "app/runtime.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "tests/support/gdi_probe.h"
#include "tests/support/wait.h"

#include <gtest/gtest.h>

namespace {

class DressedMainWindowTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        ASSERT_TRUE(Runtime_Startup());
        App_StartSkin();
    }
    void SetUp() override {
        window_ = Runtime_LoadWindow(MainWindow_Form(App_OnMainWindowCreated, App_OnExtractClicked));
        ASSERT_NE(window_, nullptr);
        ShowWindow(window_, SW_SHOWNORMAL);
        UpdateWindow(window_);
        PumpFor(300);
        record_ = Skin_WindowRecord(window_);
        ASSERT_NE(record_, nullptr);
    }
    void TearDown() override {
        if (IsWindow(window_)) DestroyWindow(window_);
        PumpFor(20);
    }
    // The whole-window copy as a DIB, for pixel probes.
    DibSurface Copy() {
        RECT client;
        GetClientRect(window_, &client);
        DibSurface surface(client.right, client.bottom);
        BitBlt(surface.dc(), 0, 0, client.right, client.bottom, record_->frameCopyDC, 0, 0, SRCCOPY);
        return surface;
    }
    // How many pixels of rect are near colour (0x00RRGGBB) within tolerance on every channel.
    static int CountNear(const DibSurface& surface, RECT rect, uint32_t colour, int tolerance) {
        int count = 0;
        for (int y = rect.top; y < rect.bottom; ++y) {
            for (int x = rect.left; x < rect.right; ++x) {
                const uint32_t p = surface.At(x, y);
                bool close = true;
                for (int shift = 0; shift <= 16; shift += 8) {
                    const int a = (p >> shift) & 0xFF, b = (colour >> shift) & 0xFF;
                    close = close && (a - b <= tolerance && b - a <= tolerance);
                }
                count += close;
            }
        }
        return count;
    }
    HWND window_ = nullptr;
    WindowSkinRecord* record_ = nullptr;
};

TEST_F(DressedMainWindowTest, WearsTheFrameWithFourCaptionButtonsAndNoSizing) {
    // The form has a minimise box but no maximise box: help, menu, minimise, close.
    ASSERT_EQ(record_->captionButtons.size(), 4u);
    EXPECT_EQ(record_->captionButtons.front().kind, 4);
    EXPECT_EQ(record_->captionButtons.back().kind, 0);
    EXPECT_EQ(record_->resizable, 0);
    EXPECT_EQ(record_->titleHeight, 25);
    EXPECT_EQ(record_->tintAlpha, 0);
    EXPECT_EQ(Skin_State().translucentControls, 1);
    EXPECT_EQ(Skin_State().controlFillAlpha, 0);
    EXPECT_EQ(record_->frameDirty, 0);
    EXPECT_NE(record_->frameCopyDC, nullptr);
}

TEST_F(DressedMainWindowTest, ControlsAreSkinnedWithTheirColours) {
    HWND label1 = Runtime_Handle("标签1"), label2 = Runtime_Handle("标签2");
    HWND output = Runtime_Handle("编辑框2"), address = Runtime_Handle("编辑框1");
    ASSERT_EQ(record_->labels.size(), 2u);
    EXPECT_EQ(record_->labels[0].control, label1);
    EXPECT_EQ(record_->labels[1].control, label2);
    EXPECT_EQ(record_->buttons.size(), 1u);
    EXPECT_EQ(record_->buttons[0].control, Runtime_Handle("按钮1"));
    ASSERT_EQ(record_->editBoxes.size(), 2u);
    EXPECT_EQ(Prop_GetInt(output, SkinProp::kTextColour), 0xFFFF00);
    EXPECT_EQ(Prop_GetInt(address, SkinProp::kTextColour), 0);

    const DibSurface copy = Copy();
    // 标签1 in blue with a white halo, 标签2 in red: look for their colours inside each label.
    EXPECT_GT(CountNear(copy, {8, 33, 69, 57}, 0x0000FF, 60), 5);
    EXPECT_GT(CountNear(copy, {40, 392, 224, 419}, 0xFF0000, 60), 20);
}

TEST_F(DressedMainWindowTest, OutputBoxHasItsCompanionOverTheRealScrollBar) {
    HWND output = Runtime_Handle("编辑框2");
    const int position = static_cast<int>(Prop_GetInt(output, SkinProp::kListId));
    ASSERT_GE(position, 1);
    const EditEntry& entry = record_->editBoxes[position - 1];
    ASSERT_EQ(entry.control, output);
    ASSERT_NE(entry.verticalBar, nullptr);
    EXPECT_TRUE(IsWindowVisible(entry.verticalBar));
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetScrollBarInfo(output, OBJID_VSCROLL, &info));
    RECT companion;
    GetWindowRect(entry.verticalBar, &companion);
    EXPECT_TRUE(EqualRect(&companion, &info.rcScrollBar))
        << companion.left << "," << companion.top << "," << companion.right << "," << companion.bottom << " vs "
        << info.rcScrollBar.left << "," << info.rcScrollBar.top << "," << info.rcScrollBar.right << ","
        << info.rcScrollBar.bottom;
}

// What an extraction does to the output box: a smaller font, a cleared text, then many appended lines.
TEST_F(DressedMainWindowTest, CompanionStaysOverTheBarAfterAnExtractionFillsTheBox) {
    HWND output = Runtime_Handle("编辑框2");
    Runtime_SetText(output, "");
    Runtime_SetFontSize(output, 9);
    for (int i = 0; i < 60; ++i) Runtime_AppendText(output, "ed2k://|file|line|700012001|21C5F23E6224EF4C|/\r\n");
    PumpFor(300);
    const EditEntry& entry = record_->editBoxes[Prop_GetInt(output, SkinProp::kListId) - 1];
    ASSERT_NE(entry.verticalBar, nullptr);
    EXPECT_TRUE(IsWindowVisible(entry.verticalBar));
    SCROLLBARINFO info{};
    info.cbSize = sizeof(info);
    ASSERT_TRUE(GetScrollBarInfo(output, OBJID_VSCROLL, &info));
    RECT companion;
    GetWindowRect(entry.verticalBar, &companion);
    EXPECT_TRUE(EqualRect(&companion, &info.rcScrollBar));
    // The companion is still on top in the whole-window copy, which matches the screen: its area is not the bare
    // frame that the edit box's own frame painting leaves there.
    RECT bar = companion;
    MapWindowPoints(HWND_DESKTOP, window_, reinterpret_cast<POINT*>(&bar), 2);
    const DibSurface copy = Copy();
    DibSurface frame(copy.width(), copy.height());
    BitBlt(frame.dc(), 0, 0, copy.width(), copy.height(), record_->frameDC, 0, 0, SRCCOPY);
    int differing = 0;
    for (int y = bar.top; y < bar.bottom; ++y)
        for (int x = bar.left; x < bar.right; ++x) differing += copy.At(x, y) != frame.At(x, y);
    EXPECT_GT(differing, (bar.right - bar.left) * (bar.bottom - bar.top) / 2);
}

}  // namespace
