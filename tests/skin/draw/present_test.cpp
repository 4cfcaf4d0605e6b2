// Clipping children out of a DC, snapshots of the composed frame behind a control and presenting the painted
// control into the whole-window copy, probed in 32-bit DIB sections of a registered window record.
#include "image/gdiplus_session.h"
#include "image/graphics_object.h"
#include "skin/core/skin_registry.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/draw/text_effects.h"
#include "tests/skin/hand_dressed.h"
#include "tests/support/gdi_probe.h"
#include "toolkit/gdi_handle.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

namespace {

constexpr uint32_t kPaint = 0x00C0FFEE;
constexpr uint32_t kMagenta = 0x00FF00FF;

// Pixels of the bottom-up DIB section selected into dc.
uint32_t Pixel(HDC dc, int x, int y) {
    GdiFlush();
    DIBSECTION dib{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
    const int row = dib.dsBm.bmHeight - 1 - y;
    return static_cast<const uint32_t*>(dib.dsBm.bmBits)[row * dib.dsBm.bmWidth + x] & 0xFFFFFF;
}

// Fills through the DC's clip region.
void Fill(HDC dc, uint32_t colour, int width, int height) {
    BrushHandle brush(CreateSolidBrush(RGB(colour >> 16, (colour >> 8) & 0xFF, colour & 0xFF)));
    const RECT r{0, 0, width, height};
    FillRect(dc, &r, brush.get());
}

// Every pixel of the frame tells where it is.
uint32_t FramePixel(int x, int y) { return (static_cast<uint32_t>(x) << 8) | static_cast<uint32_t>(y); }

class SkinPresent : public testing::Test {
protected:
    static constexpr int kWidth = 200, kHeight = 150;

    void SetUp() override {
        Skin_ClearRegistry();
        top_ = Make(nullptr, WS_POPUP, 0, 100, 100, kWidth, kHeight);
        position_ = HandDressed_Append(top_, kWidth, kHeight, HandDressed_Surface(kWidth, kHeight),
                                       HandDressed_Surface(kWidth, kHeight));
        record_ = Skin_RecordAt(position_);
        for (HDC dc : {record_->frameDC, record_->frameCopyDC}) {
            DIBSECTION dib{};
            GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
            auto* bits = static_cast<uint32_t*>(dib.dsBm.bmBits);
            for (int y = 0; y < kHeight; ++y)
                for (int x = 0; x < kWidth; ++x) bits[(kHeight - 1 - y) * kWidth + x] = FramePixel(x, y);
        }
    }
    void TearDown() override {
        Skin_ClearRegistry();
        for (auto it = windows_.rbegin(); it != windows_.rend(); ++it) DestroyWindow(*it);
    }
    HWND Make(HWND parent, DWORD style, DWORD exStyle, int x, int y, int width, int height) {
        HWND window = CreateWindowExW(exStyle, L"STATIC", L"", style | (parent ? WS_CHILD : 0), x, y, width, height,
                                      parent, nullptr, GetModuleHandleW(nullptr), nullptr);
        windows_.push_back(window);
        return window;
    }
    HWND Control(DWORD style = 0, int x = 20, int y = 30, int width = 40, int height = 20) {
        HWND control = Make(top_, WS_VISIBLE | style, 0, x, y, width, height);
        Prop_SetInt(control, SkinProp::kOwnerId, position_);
        return control;
    }

    HWND top_ = nullptr;
    WindowSkinRecord* record_ = nullptr;
    int position_ = 0;
    std::vector<HWND> windows_;
};

TEST_F(SkinPresent, ExcludeChildrenClipsVisibleOpaqueChildrenWithinTheRecordedExtent) {
    HWND panel = Control(0, 0, 0, kWidth, kHeight);
    Make(panel, WS_VISIBLE, 0, 10, 10, 40, 30);                      // clipped out
    Make(panel, 0, 0, 60, 10, 40, 30);                               // hidden
    Make(panel, WS_VISIBLE, WS_EX_TRANSPARENT, 110, 10, 40, 30);     // transparent

    struct Case {
        const char* name;
        bool container;
        HWND window;
        int composedWidth;
        bool clipsAt20, clipsAt70, clipsAt120, clipsAt180;
    };
    const Case cases[] = {
        {"control that is no container", false, panel, kWidth, false, false, false, false},
        {"container", true, panel, kWidth, true, false, false, false},
        {"dressed window", false, top_, kWidth, true, true, true, true},
        {"dressed window, narrow extent", false, top_, 100, true, true, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        record_->containers.resize(1);
        if (c.container) record_->containers.push_back({{panel, 0}, 0, 0, kWidth, kHeight});
        record_->composedWidth = c.composedWidth;
        HDC dc = HandDressed_Surface(kWidth, kHeight);
        EXPECT_EQ(Dc_ExcludeChildren(c.window, dc), dc);
        Fill(dc, kPaint, kWidth, kHeight);
        EXPECT_EQ(Pixel(dc, 20, 20) != kPaint, c.clipsAt20);
        EXPECT_EQ(Pixel(dc, 70, 20) != kPaint, c.clipsAt70);
        EXPECT_EQ(Pixel(dc, 120, 20) != kPaint, c.clipsAt120);
        EXPECT_EQ(Pixel(dc, 180, 20) != kPaint, c.clipsAt180);
        EXPECT_EQ(Pixel(dc, 20, 45), c.window == top_ ? 0u : kPaint);  // below the child
        HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
        DeleteDC(dc);
        DeleteObject(bitmap);
    }
}

TEST_F(SkinPresent, ParentContainerIsMarkedDirty) {
    HWND panel = Control(0, 0, 0, 100, 100);
    HWND inside = Make(panel, WS_VISIBLE, 0, 5, 5, 10, 10);
    HWND plain = Control();
    HWND insidePlain = Make(plain, WS_VISIBLE, 0, 1, 1, 5, 5);
    record_->containers.push_back({{panel, 0}, 0, 0});
    Skin_MarkParentDirty(insidePlain);
    EXPECT_EQ(record_->containers[1].dirty, 0);
    Skin_MarkParentDirty(inside);
    EXPECT_EQ(record_->containers[1].dirty, 1);
    Skin_MarkParentDirty(top_);  // no parent: nothing happens
}

TEST_F(SkinPresent, SnapshotHoldsTheFrameBehindTheArea) {
    HWND control = Control();
    const int listed = MemDc_Count();
    HDC dc = Skin_SnapshotBackground(control, RECT{5, 2, 25, 12});
    ASSERT_NE(dc, nullptr);
    EXPECT_EQ(MemDc_Count(), listed + 1);
    for (auto [x, y] : {std::pair{0, 0}, {19, 0}, {0, 9}, {19, 9}, {7, 4}})
        EXPECT_EQ(Pixel(dc, x, y), FramePixel(20 + 5 + x, 30 + 2 + y)) << x << "," << y;
    EXPECT_EQ(MemDc_Release(dc), 1);
    EXPECT_EQ(MemDc_Count(), listed);
    EXPECT_EQ(Skin_SnapshotBackground(control, RECT{5, 5, 5, 10}), nullptr);  // empty area
    EXPECT_EQ(MemDc_Count(), listed);
}

TEST_F(SkinPresent, PresentWritesTheControlsPlaceExceptItsChildren) {
    struct Case {
        const char* name;
        DWORD style;
        bool whole;
        bool topItself;
        RECT expected;
    };
    const Case cases[] = {
        {"client area, no border", 0, false, false, {20, 30, 60, 50}},
        {"client area inside a border", WS_BORDER, false, false, {21, 31, 59, 49}},
        {"whole window with its border", WS_BORDER, true, false, {20, 30, 60, 50}},
        {"the dressed window itself", 0, true, true, {0, 0, kWidth, kHeight}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND control = Control(c.style);
        HWND target = c.topItself ? top_ : control;
        HWND child = Make(target, WS_VISIBLE, 0, 2, 2, 6, 4);
        Make(target, 0, 0, 10, 2, 6, 4);  // hidden: painted over
        const RECT r = c.expected;
        const int width = r.right - r.left, height = r.bottom - r.top;
        HDC painted = HandDressed_Surface(width, height);
        Fill(painted, kPaint, width, height);
        HDC copy = record_->frameCopyDC;
        BitBlt(copy, 0, 0, kWidth, kHeight, record_->frameDC, 0, 0, SRCCOPY);

        Skin_PresentControl(target, painted, false, c.whole);
        const RECT at = Window_RectInTop(child);
        EXPECT_EQ(Pixel(copy, r.left, r.top), kPaint);
        EXPECT_EQ(Pixel(copy, r.right - 1, r.bottom - 1), kPaint);
        EXPECT_EQ(Pixel(copy, at.left + 12, at.top + 1), kPaint);  // the hidden child's place
        EXPECT_EQ(Pixel(copy, at.left + 1, at.top + 1), FramePixel(at.left + 1, at.top + 1));
        if (r.left > 0) {
            EXPECT_EQ(Pixel(copy, r.left - 1, r.top), FramePixel(r.left - 1, r.top));
        }
        if (r.bottom < kHeight) {
            EXPECT_EQ(Pixel(copy, r.left, r.bottom), FramePixel(r.left, r.bottom));
        }
        HRGN clip = CreateRectRgn(0, 0, 0, 0);
        EXPECT_EQ(GetClipRgn(copy, clip), 0);  // the clip is gone again
        DeleteObject(clip);

        HGDIOBJ bitmap = GetCurrentObject(painted, OBJ_BITMAP);
        DeleteDC(painted);
        DeleteObject(bitmap);
        DestroyWindow(child);
    }
}

TEST_F(SkinPresent, KeyedPresentLeavesKeyColouredPixelsAlone) {
    HWND toolbar = Control(WS_BORDER);
    SetPropW(toolbar, SkinProp::kOwnerId, nullptr);
    Prop_SetInt(toolbar, SkinProp::kToolbarOwnerId, position_);
    HDC painted = HandDressed_Surface(40, 20);
    Fill(painted, kPaint, 40, 20);
    Fill(painted, kMagenta, 20, 20);

    Skin_PresentControlKeyed(toolbar, painted, RGB(255, 0, 255), true);
    HDC copy = record_->frameCopyDC;
    EXPECT_EQ(Pixel(copy, 20, 30), FramePixel(20, 30));
    EXPECT_EQ(Pixel(copy, 39, 49), FramePixel(39, 49));
    EXPECT_EQ(Pixel(copy, 40, 30), kPaint);
    EXPECT_EQ(Pixel(copy, 59, 49), kPaint);
    EXPECT_EQ(Pixel(copy, 60, 30), FramePixel(60, 30));

    HGDIOBJ bitmap = GetCurrentObject(painted, OBJ_BITMAP);
    DeleteDC(painted);
    DeleteObject(bitmap);
}

TEST_F(SkinPresent, ClientInsetAssumesEqualBorders) {
    struct Case {
        DWORD style;
        RECT expected;
    };
    for (const Case& c : {Case{0, {0, 0, 40, 20}}, Case{WS_BORDER, {1, 1, 39, 19}},
                          Case{WS_BORDER | WS_VSCROLL, {1, 1, 39, 19}}}) {
        SCOPED_TRACE(c.style);
        HWND control = Control(c.style);
        const RECT r = Window_ClientInset(control);
        EXPECT_EQ(r.left, c.expected.left);
        EXPECT_EQ(r.top, c.expected.top);
        EXPECT_EQ(r.right, c.expected.right);
        EXPECT_EQ(r.bottom, c.expected.bottom);
        const RECT inTop = Window_ClientRectInTop(control);
        EXPECT_EQ(inTop.left, 20 + c.expected.left);
        EXPECT_EQ(inTop.bottom, 50 - c.expected.top);
    }
    EXPECT_EQ(Window_GetClassName(top_), "Static");
}

}  // namespace

namespace {


TEST_F(SkinPresent, FiveThousandSnapshotPresentReleaseCyclesLeakNothing) {
    HWND control = Control();
    const int before = Gdi_Headroom();
    for (int i = 0; i < 5000; ++i) {
        HDC dc = Skin_SnapshotBackground(control, RECT{0, 0, 40, 20});
        ASSERT_NE(dc, nullptr);
        Skin_PresentControl(control, dc, false, false);
        ASSERT_EQ(MemDc_Release(dc), 1);
    }
    EXPECT_EQ(Gdi_Headroom(), before);
}

TEST(GlowLeak, FiveThousandGlowCallsLeakNothing) {
    DibSurface surface(120, 30);
    GdiPlusSession session;
    const int before = Gdi_Headroom();
    Text face;
    for (int i = 0; i < 5000; ++i) {
        GraphicsObject graphics;
        ASSERT_TRUE(Graphics_FromDC(graphics, surface.dc()));
        Text_DrawGlow(graphics, "拾贝", FloatRect{2, 2, 100, 24}, RGB(0, 0, 255), RGB(255, 255, 255), 4, &face, 1, 14);
    }
    EXPECT_EQ(Gdi_Headroom(), before);
}

} // namespace
