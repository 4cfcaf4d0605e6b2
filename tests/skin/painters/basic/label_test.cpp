// Dressed labels: their default look, the glow, when they repaint and when they are copied back from the frame
// copy, and what dressing refuses. Pixels are probed in the whole-window copy, where every paint presents.
#include "image/gdiplus_session.h"
#include "skin/core/control_registration.h"
#include "skin/painters/basic/label_painter.h"
#include "tests/skin/painters/basic/painted_window.h"
#include "tests/support/gdi_probe.h"

#include <gtest/gtest.h>

#include <cstdio>

namespace {

constexpr uint32_t kBackground = PaintedWindow::kBackground;
constexpr uint32_t kMarker = 0x00FF00FF;
constexpr COLORREF kRed = RGB(255, 0, 0), kWhite = RGB(255, 255, 255);
constexpr int kX = 20, kY = 100, kW = 140, kH = 40;
constexpr wchar_t kLongText[] = L"WWW wide label text that runs well past the right edge";

// The box around the pixels of the label's place in the copy that differ from the background.
struct Ink {
    int left = kW, top = kH, right = -1, bottom = -1, count = 0;
};
Ink InkOf(const PaintedWindow& host) {
    Ink ink;
    for (int y = 0; y < kH; ++y)
        for (int x = 0; x < kW; ++x) {
            if (host.CopyAt(kX + x, kY + y) == kBackground) continue;
            ink = {std::min(ink.left, x), std::min(ink.top, y), std::max(ink.right, x), std::max(ink.bottom, y),
                   ink.count + 1};
        }
    return ink;
}

void Redraw(HWND window) { RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW); }

class LabelPainter : public testing::Test {
protected:
    void SetUp() override { ASSERT_TRUE(gdiplus_.ok()); }
    HWND Label(PaintedWindow& host, const wchar_t* text = kLongText) {
        return host.Child(L"STATIC", text, SS_LEFT, kX, kY, kW, kH);
    }
    const LabelEntry* EntryOf(HWND label) { return Skin_ControlEntry(label, &WindowSkinRecord::labels); }
    GdiPlusSession gdiplus_;
};

TEST_F(LabelPainter, DefaultLookIsOneLeftAlignedLineCentredVertically) {
    PaintedWindow host;
    HWND label = Label(host);
    ASSERT_EQ(Skin_DressLabel(label, {}, {}, {}, kRed), 1);
    const LabelEntry* entry = EntryOf(label);
    ASSERT_NE(entry, nullptr);
    EXPECT_EQ(host.record().labels.size(), 1u) << "the placeholder makes way for the first label";
    EXPECT_EQ(Prop_GetInt(label, SkinProp::kListId), 1);
    EXPECT_EQ(Prop_GetInt(label, SkinProp::kOwnerId), host.position());
    EXPECT_EQ(entry->fontName, "宋体");
    EXPECT_EQ(entry->fontSize, 12);
    EXPECT_EQ(entry->glowColour, -1);
    EXPECT_EQ(entry->dirty, 1);

    Redraw(label);
    EXPECT_EQ(EntryOf(label)->dirty, 0);
    const Ink line = InkOf(host);
    ASSERT_GT(line.count, 0);
    EXPECT_LE(line.left, 2) << "starts at the left edge";
    EXPECT_GE(line.right, kW - 3) << "cut at the right edge";
    EXPECT_LE(line.bottom - line.top, 13) << "one line of a 12-pixel font";
    EXPECT_NEAR((line.top + line.bottom) / 2.0, kH / 2.0, 3.0) << "centred vertically";
    bool textColour = false;
    for (int y = line.top; y <= line.bottom; ++y) {
        const uint32_t p = host.CopyAt(kX + 5, kY + y);
        textColour |= Red(p) > Green(p) + 80;
    }
    EXPECT_TRUE(textColour);

    // Dressing the label again with wrapping keeps its one entry and lets the text run onto further lines.
    ASSERT_EQ(Skin_DressLabel(label, {}, {}, {}, kRed, {}, {}, 0, true), 1);
    EXPECT_EQ(host.record().labels.size(), 1u);
    EXPECT_EQ(GetWindowLongPtrW(label, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Label_WindowProc));
    Redraw(label);
    EXPECT_GT(InkOf(host).bottom - InkOf(host).top, 20);
}

TEST_F(LabelPainter, GlowLeavesAHaloAroundTheText) {
    PaintedWindow host;
    HWND label = Label(host, L"WW");
    ASSERT_EQ(Skin_DressLabel(label, {}, {}, {}, kRed), 1);
    Redraw(label);
    const Ink plain = InkOf(host);
    ASSERT_GT(plain.count, 0);
    ASSERT_EQ(Skin_DressLabel(label, {}, {}, {}, kRed, kWhite), 1);
    Redraw(label);
    const Ink glowing = InkOf(host);
    EXPECT_GT(glowing.count, plain.count * 3 / 2);
    EXPECT_LT(glowing.top, plain.top) << "the halo reaches above the text";
    EXPECT_GT(glowing.right, plain.right) << "and past its end";
    const uint32_t halo = host.CopyAt(kX + (plain.left + plain.right) / 2, kY + plain.top - 1);
    EXPECT_GT(Red(halo), Red(kBackground));
    EXPECT_TRUE(IsGrey(halo)) << "white halo over grey: " << std::hex << halo;
}

// After its first paint a label draws afresh only while its window is active (and, while the window is moved,
// only when it is sized as well); otherwise its picture comes back out of the frame copy.
TEST_F(LabelPainter, RepaintsOnlyWhenTheWindowMayHaveChangedIt) {
    PaintedWindow host;
    HWND label = Label(host);
    ASSERT_EQ(Skin_DressLabel(label, {}, {}, {}, kRed), 1);
    Redraw(label);
    struct Case {
        const char* name;
        int active, moving, sizing;
        bool repainted;
    };
    const Case cases[] = {
        {"inactive", 0, 0, 0, false},
        {"active", 1, 0, 0, true},
        {"moved while active", 1, 1, 0, false},
        {"moved and sized", 0, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        WindowSkinRecord& record = host.record();
        record.active = c.active, record.moving = c.moving, record.sizing = c.sizing;
        host.FillCopy({kX, kY, kX + kW, kY + kH}, kMarker);
        Redraw(label);
        EXPECT_EQ(host.CopyAt(kX + 1, kY + 1) != kMarker, c.repainted);
        EXPECT_EQ(EntryOf(label)->dirty, 0);
    }
    // Moving, sizing and showing mark the label whatever the window's state.
    host.record().active = 0, host.record().moving = 0;
    for (UINT message : {WM_MOVE, WM_SIZE}) {
        host.FillCopy({kX, kY, kX + kW, kY + kH}, kMarker);
        SendMessageW(label, message, 0, 0);
        Redraw(label);
        EXPECT_NE(host.CopyAt(kX + 1, kY + 1), kMarker) << message;
    }
    // New text is drawn at once, and the label is left to copy it back.
    host.FillCopy({kX, kY, kX + kW, kY + kH}, kMarker);
    SetWindowTextW(label, L"new");
    EXPECT_NE(host.CopyAt(kX + 1, kY + 1), kMarker);
    RECT pending{};
    EXPECT_TRUE(GetUpdateRect(label, &pending, FALSE));
}

TEST_F(LabelPainter, DressingNeedsADressedWindow) {
    HWND lone = CreateWindowExW(0, L"STATIC", L"", WS_POPUP, 0, 0, 100, 50, nullptr, nullptr, nullptr, nullptr);
    HWND orphan = CreateWindowExW(0, L"STATIC", L"x", WS_CHILD, 0, 0, 50, 20, lone, nullptr, nullptr, nullptr);
    const LONG_PTR proc = GetWindowLongPtrW(orphan, GWLP_WNDPROC);
    EXPECT_EQ(Skin_DressLabel(orphan, {}, {}, {}, kRed), 0);
    EXPECT_EQ(GetWindowLongPtrW(orphan, GWLP_WNDPROC), proc);
    EXPECT_EQ(GetPropW(orphan, SkinProp::kOwnerId), nullptr);
    EXPECT_EQ(Skin_DressLabel(nullptr), 0);
    DestroyWindow(lone);

    // The dressed window itself is no label: its record position must stay where it is.
    PaintedWindow host;
    EXPECT_EQ(Skin_DressLabel(host.window()), 0);
    EXPECT_EQ(Prop_GetInt(host.window(), SkinProp::kListId), host.position());
    EXPECT_EQ(host.record().labels.size(), 1u);
    EXPECT_EQ(host.record().labels[0].control, nullptr);
}

TEST_F(LabelPainter, PaintCyclesLeakNoGdiObject) {
    PaintedWindow host;
    HWND label = Label(host, L"glow");
    ASSERT_EQ(Skin_DressLabel(label, {}, {}, {}, kRed, kWhite), 1);
    host.record().active = 0;
    // One cycle: the mouse passes over the label, which is repainted unchanged (copied from the frame copy);
    // every tenth cycle it is moved first and so drawn afresh with its glow.
    const auto cycle = [&](bool moved) {
        SendMessageW(label, WM_MOUSEMOVE, 0, 0);
        SendMessageW(label, WM_MOUSELEAVE, 0, 0);
        if (moved) SendMessageW(label, WM_MOVE, 0, MAKELPARAM(kX, kY));
        InvalidateRect(label, nullptr, TRUE);
        UpdateWindow(label);
    };
    for (int i = 0; i < 20; ++i) cycle(true);
    Pump();
    const int before = Gdi_Headroom();
    for (int i = 0; i < 10000; ++i) {
        cycle(i % 10 == 0);
        if (i % 100 == 0) Pump();
    }
    Pump();
    const int after = Gdi_Headroom();
    std::printf("GDI headroom before %d, after %d over 10,000 label cycles (1,000 drawn afresh)\n", before, after);
    EXPECT_GE(after, before - 2);
}

}  // namespace
