// Dressing a window: the record filled from the parameters (omitted differs from 0), the caption buttons and their
// layout, the sprites, and the frame procedure installed once.
#include "skin/core/caption_sprites.h"
#include "tests/skin/core/frame_fixture.h"

#include <vector>

namespace {

using DressTest = FrameWindowTest;

struct LayoutCase {
    const char* name;
    DWORD styles;
    DressParams params;
    std::vector<int> kinds;
    int buttonsWidth;
};

TEST_F(DressTest, CaptionButtonsAndTheirLayout) {
    DressParams extractor;
    extractor.resizable = 0;
    extractor.helpButton = 1;
    extractor.menuButton = 1;
    extractor.showTitle = 1;
    extractor.tintAlpha = 0;
    DressParams five = extractor;
    DressParams noClose = extractor;
    noClose.noCloseButton = 1;
    DressParams noTitleBar;
    noTitleBar.titleBar = 0;
    const LayoutCase cases[] = {
        {"extractor without boxes", 0, extractor, {4, 3, 0}, 95},
        {"five buttons", WS_MINIMIZEBOX | WS_MAXIMIZEBOX, five, {4, 3, 2, 1, 0}, 149},
        {"no close button", 0, noClose, {4, 3}, 26 + 26 + 1 + 3},
        {"no title bar", WS_MINIMIZEBOX, noTitleBar, {2}, 26 + 3},
    };
    for (const LayoutCase& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_GT(Dress(c.styles, c.params), 0);
        WindowSkinRecord& record = Record();
        std::vector<int> kinds;
        for (const CaptionButton& button : record.captionButtons) kinds.push_back(button.kind);
        EXPECT_EQ(kinds, c.kinds);
        EXPECT_EQ(record.captionButtonCount, static_cast<int>(c.kinds.size()));
        EXPECT_EQ(record.buttonsWidth, c.buttonsWidth);
        EXPECT_EQ(record.buttonsLeft, kFrameWidth - c.buttonsWidth + 1);
        EXPECT_EQ(record.buttonsHeight, 22);
        DestroyWindow(window_);
        EXPECT_EQ(Skin_Registry().size(), 0u);
    }
}

TEST_F(DressTest, FiveButtonsSitAgainstTheRightEdge) {
    ASSERT_GT(DressFive(), 0);
    const WindowSkinRecord& record = Record();
    const int W = kFrameWidth;
    const int expectedX[] = {W - 146, W - 119, W - 92, W - 65, W - 38};
    ASSERT_EQ(record.captionButtons.size(), 5u);
    for (int i = 0; i < 5; ++i) {
        const CaptionButton& button = record.captionButtons[i];
        EXPECT_EQ(button.rect.x, expectedX[i]) << i;
        EXPECT_EQ(button.rect.y, 1.0f);
        EXPECT_EQ(button.rect.width, button.kind == 0 ? 40.0f : 26.0f);
        EXPECT_EQ(button.rect.height, 18.0f);
        EXPECT_EQ(button.width, button.kind == 0 ? 38 : 26);
    }
    EXPECT_FALSE(record.captionButtons[3].altImage.empty());  // maximise carries the restore sprite
    EXPECT_EQ(Frame_TitleTextBox(record, W).width, 215.0f);

    // Hit tests: strictly inside a rectangle; the group reaches two pixels further left.
    EXPECT_EQ(Frame_ButtonAt(record, W - 146 + 13, 10), 1);
    EXPECT_EQ(Frame_ButtonAt(record, W - 146, 10), 0);
    EXPECT_EQ(Frame_ButtonAt(record, W - 2, 15), 5);
    EXPECT_EQ(Frame_ButtonAt(record, W - 100, 30), 0);
    EXPECT_TRUE(Frame_InButtonGroup(record, record.buttonsLeft - 2, 0));
    EXPECT_FALSE(Frame_InButtonGroup(record, record.buttonsLeft - 3, 5));
    EXPECT_FALSE(Frame_InButtonGroup(record, W - 10, 23));
}

TEST_F(DressTest, OmittedParametersDifferFromZero) {
    const SkinState& state = Skin_State();
    struct Case {
        const char* name;
        DressParams params;
        int titleHeight, resizable, pictureMode, tintColour, tintAlpha, showTitle, hasTitleBar;
        bool tooltip;
    };
    DressParams zeros;
    zeros.titleHeight = 10;
    zeros.titleBar = 0;
    zeros.resizable = 0;
    zeros.showTitle = 0;
    zeros.pictureMode = 0;
    zeros.tintColour = 0;
    zeros.tintAlpha = 0;
    DressParams given;
    given.titleHeight = 40;
    given.titleBar = 1;
    const Case cases[] = {
        {"omitted", {}, 25, 1, state.themePictureMode, -1, 255, 1, 1, false},
        {"given 0", zeros, 25, 0, 0, 0, 0, 0, 0, false},
        {"given nonzero", given, 40, 1, state.themePictureMode, -1, 255, 1, 1, true},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_GT(Dress(0, c.params), 0);
        const WindowSkinRecord& r = Record();
        EXPECT_EQ(r.titleHeight, c.titleHeight);
        EXPECT_EQ(r.resizable, c.resizable);
        EXPECT_EQ(r.pictureMode, c.pictureMode);
        EXPECT_EQ(r.tintColour, c.tintColour);
        EXPECT_EQ(r.tintAlpha, c.tintAlpha);
        EXPECT_EQ(r.showTitle, c.showTitle);
        EXPECT_EQ(r.hasTitleBar, c.hasTitleBar);
        EXPECT_EQ(r.showCloseButton, c.hasTitleBar);
        EXPECT_EQ(r.tooltip != nullptr, c.tooltip);
        DestroyWindow(window_);
    }
}

TEST_F(DressTest, DressingInstallsTheFrameOnceAndLast) {
    const int n = DressFive();
    ASSERT_EQ(n, 1);
    const WindowSkinRecord& record = Record();
    EXPECT_EQ(record.dressed, 1);
    EXPECT_EQ(record.frameDirty, 1);
    EXPECT_EQ(record.window, window_);
    EXPECT_EQ(record.titleFontName, "宋体");
    EXPECT_EQ(Skin_State().frameBorder, 3);
    EXPECT_EQ(GetWindowLongPtrW(window_, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(Frame_Procedure));
    EXPECT_EQ(record.previousProc, Prop_GetInt(window_, SkinProp::kProc));
    EXPECT_EQ(Prop_GetInt(window_, SkinProp::kListId), 1);
    const LONG_PTR style = GetWindowLongPtrW(window_, GWL_STYLE);
    EXPECT_TRUE(style & WS_SYSMENU);
    EXPECT_FALSE(style & WS_CLIPCHILDREN);

    Skin_DressWindow(window_, {});
    EXPECT_EQ(Skin_Registry().size(), 1u);
    EXPECT_EQ(Record().captionButtons.size(), 5u);
}

TEST(CaptionSprites, AreRgbaPicturesOfTheirSizes) {
    ASSERT_TRUE(Skin_Startup());
    const struct {
        CaptionSprite sprite;
        unsigned width;
    } sprites[] = {{CaptionSprite::Help, 26},     {CaptionSprite::Menu, 26},    {CaptionSprite::Minimise, 26},
                   {CaptionSprite::Maximise, 26}, {CaptionSprite::Restore, 26}, {CaptionSprite::Close, 38}};
    for (const auto& s : sprites) {
        const ByteView png = CaptionSprite_Png(s.sprite);
        ASSERT_GT(png.size(), 8u);
        EXPECT_EQ(png[25], 6) << "colour type RGBA";
        BitmapObject bitmap;
        ASSERT_TRUE(Bitmap_LoadFromBytes(bitmap, png));
        EXPECT_EQ(Image_Width(bitmap), s.width);
        EXPECT_EQ(Image_Height(bitmap), 18u);
        EXPECT_LT(Bitmap_GetPixel(bitmap, 0, 0) >> 24, 8u) << "almost transparent background";
        Argb brightest = 0;
        for (int y = 0; y < 18; ++y)
            for (int x = 0; x < static_cast<int>(s.width); ++x)
                brightest = std::max(brightest, Bitmap_GetPixel(bitmap, x, y));
        EXPECT_EQ(brightest, 0xFFFFFFFFu) << "an opaque white glyph";
    }
}

}  // namespace
