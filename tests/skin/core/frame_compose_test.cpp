// The composed frame probed in its surfaces: background, outline, title, caption buttons in their looks, and what
// a window without title bar gets; the leak probe over recompositions and fade ticks.
#include "skin/draw/mem_dc_table.h"
#include "tests/skin/core/frame_fixture.h"

namespace {

using FrameComposeTest = FrameWindowTest;

DibSurface ButtonLook(WindowSkinRecord& record, int position, int button, CaptionLook look, int opacity) {
    Frame_DrawCaptionButton(position, button, look, opacity);
    return CopyOf(record.frameDC);
}

TEST_F(FrameComposeTest, ComposesBackgroundOutlineTitleAndButtons) {
    const int n = DressFive();
    Frame_Compose(n, true);
    WindowSkinRecord& record = Record();
    EXPECT_EQ(record.frameDirty, 0);
    EXPECT_EQ(record.composedWidth, kFrameWidth);
    EXPECT_EQ(record.composedHeight, kFrameHeight);
    ASSERT_NE(record.frameDC, nullptr);
    ASSERT_NE(record.titleStripDC, nullptr);
    ASSERT_NE(record.frameCopyDC, nullptr);
    EXPECT_EQ(GetPropW(window_, SkinProp::kFrameBitmap), GetCurrentObject(record.frameDC, OBJ_BITMAP));

    const DibSurface frame = CopyOf(record.frameDC);
    const DibSurface copy = CopyOf(record.frameCopyDC);
    EXPECT_EQ(CountDifferences(frame, copy, {0, 0, kFrameWidth, kFrameHeight}, true), 0);
    EXPECT_TRUE(NearRgb(frame.At(kFrameWidth / 2, kFrameHeight / 2), kPictureRgb, 2));
    // The dark outer ring on the left edge, the light inner ring just inside it.
    const uint32_t edge = frame.At(0, kFrameHeight / 2), inner = frame.At(1, kFrameHeight / 2);
    EXPECT_LT(edge & 0xFF, (kPictureRgb & 0xFF) / 2);
    EXPECT_GT(inner & 0xFF, kPictureRgb & 0xFF);
    // The title strip holds background and outline only; the title text is in the frame.
    const DibSurface strip = CopyOf(record.titleStripDC, kFrameWidth, record.titleHeight);
    int titlePixels = 0, stripPixels = 0;
    for (int y = 6; y < 22; ++y)
        for (int x = 29; x < 90; ++x) {
            titlePixels += frame.At(x, y) != strip.At(x, y);
            stripPixels += strip.At(x, y) != strip.At(29, 6);
        }
    EXPECT_GT(titlePixels, 20);
    EXPECT_EQ(stripPixels, 0);
    // Every caption button changed its area of the band.
    DibSurface band(kFrameWidth, kFrameHeight);
    BitBlt(band.dc(), 0, 0, kFrameWidth, record.titleHeight, record.titleStripDC, 0, 0, SRCCOPY);
    for (int i = 1; i <= 5; ++i)
        EXPECT_GT(CountDifferences(frame, band, Frame_CaptionButtonArea(record, i), true), 20) << i;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_NE(GetWindowRgn(window_, region), ERROR);
    DeleteObject(region);
}

TEST_F(FrameComposeTest, HoverAndPressedLooksComeBackToTheComposedButton) {
    const int n = DressFive();
    Frame_Compose(n, false);
    WindowSkinRecord& record = Record();
    const DibSurface composed = CopyOf(record.frameDC);
    for (int i = 1; i <= 5; ++i) {
        SCOPED_TRACE(i);
        const RECT area = Frame_CaptionButtonArea(record, i);
        const DibSurface lit = ButtonLook(record, n, i, CaptionLook::Normal, 240);
        EXPECT_GT(CountDifferences(lit, composed, area, true), 20);
        EXPECT_EQ(CountDifferences(lit, composed, area, false), 0) << "nothing outside the button's area";
        const DibSurface pressed = ButtonLook(record, n, i, CaptionLook::Pressed, 0);
        EXPECT_GT(CountDifferences(pressed, lit, area, true), 20);
        const DibSurface back = ButtonLook(record, n, i, CaptionLook::Normal, 0);
        EXPECT_EQ(CountDifferences(back, composed, area, true), 0);
    }
    // Many redraws leave nothing behind either (the glass and separators are not drawn over and over).
    for (int k = 0; k < 50; ++k) Frame_DrawCaptionButton(n, 2, CaptionLook::Normal, 0);
    EXPECT_EQ(CountDifferences(CopyOf(record.frameDC), composed, {0, 0, kFrameWidth, kFrameHeight}, true), 0);
}

TEST_F(FrameComposeTest, MaximiseButtonShowsRestoreSpriteWhileMaximised) {
    const int n = DressFive();
    Frame_Compose(n, false);
    WindowSkinRecord& record = Record();
    const int maximise = 4;
    ASSERT_EQ(record.captionButtons[maximise - 1].kind, 1);
    const RECT area = Frame_CaptionButtonArea(record, maximise);
    const struct {
        CaptionLook look;
        int opacity;
    } looks[] = {{CaptionLook::Normal, 0}, {CaptionLook::Normal, 240}, {CaptionLook::Pressed, 0}};
    for (const auto& look : looks) {
        record.maximized = 0;
        const DibSurface normal = ButtonLook(record, n, maximise, look.look, look.opacity);
        record.maximized = 1;
        const DibSurface restore = ButtonLook(record, n, maximise, look.look, look.opacity);
        EXPECT_GT(CountDifferences(normal, restore, area, true), 5);
    }
}

TEST_F(FrameComposeTest, WindowWithoutTitleBarGetsBackgroundOnly) {
    DressParams params;
    params.titleBar = 0;
    const int n = Dress(WS_MINIMIZEBOX, params);
    Frame_Compose(n, true);
    WindowSkinRecord& record = Record();
    EXPECT_EQ(record.titleStripDC, nullptr);
    const DibSurface frame = CopyOf(record.frameDC);
    for (const POINT p : {POINT{0, 200}, POINT{2, 200}, POINT{40, 12}, POINT{kFrameWidth - 10, 10}})
        EXPECT_TRUE(NearRgb(frame.At(p.x, p.y), kPictureRgb, 2)) << p.x << "," << p.y;
    HRGN region = CreateRectRgn(0, 0, 0, 0);
    EXPECT_EQ(GetWindowRgn(window_, region), ERROR);
    DeleteObject(region);
}

TEST_F(FrameComposeTest, ThemeChangeRecomposesVisibleWindows) {
    const int n = DressFive();
    ShowWindow(window_, SW_SHOWNA);
    Frame_Compose(n, false);
    BitmapObject picture;
    ASSERT_TRUE(Bitmap_Create(picture, 4, 4));
    for (int y = 0; y < 4; ++y)
        for (int x = 0; x < 4; ++x) Bitmap_SetPixel(picture, x, y, 0xFF10C020);
    ASSERT_TRUE(Skin_SetTheme({}, Image_SaveToBytes(picture, kImageFormatPng), {}, {}, kPictureStretched));
    EXPECT_TRUE(NearRgb(CopyOf(Record().frameDC).At(100, 200), 0x10C020, 2));
    EXPECT_TRUE(NearRgb(CopyOf(Record().frameCopyDC).At(100, 200), 0x10C020, 2));
}

TEST_F(FrameComposeTest, RecompositionsAndFadeTicksLeakNothing) {
    const int n = DressFive();
    Frame_Compose(n, false);
    const int tables = MemDc_Count();
    const int headroom = Gdi_Headroom();
    for (int k = 0; k < 200; ++k) Frame_Compose(n, k % 2 == 0);
    Record().mouseTracked = 1;
    for (int k = 0; k < 10000; ++k) {
        if (k % 16 == 0) Send(WM_MOUSEMOVE, 0, ButtonCentre(1 + (k / 16) % 5));
        Send(WM_TIMER, reinterpret_cast<WPARAM>(window_));
    }
    EXPECT_EQ(MemDc_Count(), tables);
    EXPECT_EQ(Gdi_Headroom(), headroom);
}

}  // namespace
