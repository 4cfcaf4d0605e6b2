#include "gdiplus_fixture.h"

#include "image/graphics_object.h"

#include <array>

using DrawingTest = GdiPlusTest;

namespace {

constexpr Argb kWhite = 0xFFFFFFFF;
constexpr Argb kRed = 0xFFFF0000;
constexpr Argb kBlue = 0xFF0000FF;

// A white bitmap with a graphics context drawing into it.
struct Canvas {
    BitmapObject bitmap;
    GraphicsObject graphics;
    Canvas(int width, int height) {
        EXPECT_TRUE(Bitmap_Create(bitmap, width, height));
        EXPECT_TRUE(Graphics_FromImage(graphics, bitmap));
        EXPECT_TRUE(Graphics_Clear(graphics, kWhite));
    }
    // Ends drawing so every pixel is in the bitmap.
    const BitmapObject& Done() {
        graphics.Delete();
        return bitmap;
    }
};

int CountNot(const BitmapObject& bitmap, Argb colour) {
    int count = 0;
    for (unsigned y = 0; y < Image_Height(bitmap); ++y)
        for (unsigned x = 0; x < Image_Width(bitmap); ++x)
            count += Bitmap_GetPixel(bitmap, static_cast<int>(x), static_cast<int>(y)) != colour;
    return count;
}

} // namespace

TEST_F(DrawingTest, FilledRectangleCoversExactlyItsPixels) {
    Canvas canvas(20, 20);
    SolidBrushObject brush;
    ASSERT_TRUE(SolidBrush_Create(brush, kBlue));
    ASSERT_TRUE(Graphics_FillRectangle(canvas.graphics, brush, 5, 5, 10, 10));
    const BitmapObject& bitmap = canvas.Done();
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 5, 5), kBlue);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 14, 14), kBlue);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 4, 4), kWhite);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 15, 15), kWhite);
    EXPECT_EQ(CountNot(bitmap, kWhite), 100);
}

TEST_F(DrawingTest, PathsFillAndClip) {
    PathObject triangle;
    ASSERT_TRUE(Path_Create(triangle));
    ASSERT_TRUE(Path_AddLine(triangle, 0, 0, 20, 0));
    ASSERT_TRUE(Path_AddLine(triangle, 20, 0, 0, 20));
    ASSERT_TRUE(Path_CloseFigure(triangle));
    SolidBrushObject red;
    ASSERT_TRUE(SolidBrush_Create(red, kRed));
    {
        Canvas canvas(20, 20);
        ASSERT_TRUE(Graphics_FillPath(canvas.graphics, red, triangle));
        const BitmapObject& bitmap = canvas.Done();
        EXPECT_EQ(Bitmap_GetPixel(bitmap, 3, 3), kRed);
        EXPECT_EQ(Bitmap_GetPixel(bitmap, 16, 16), kWhite);
    }
    {
        // Clipped to the triangle, a fill of the whole canvas paints only the triangle; after a reset, all.
        Canvas canvas(20, 20);
        ASSERT_TRUE(Graphics_ClipToPath(canvas.graphics, triangle, Gdiplus::CombineModeReplace));
        ASSERT_TRUE(Graphics_FillRectangle(canvas.graphics, red, 0, 0, 20, 20));
        EXPECT_EQ(Bitmap_GetPixel(canvas.bitmap, 16, 16), kWhite);
        ASSERT_TRUE(Graphics_ResetClip(canvas.graphics));
        ASSERT_TRUE(Graphics_ClipToRectangle(canvas.graphics, 15, 15, 5, 5, Gdiplus::CombineModeReplace));
        ASSERT_TRUE(Graphics_FillRectangle(canvas.graphics, red, 0, 0, 20, 20));
        const BitmapObject& bitmap = canvas.Done();
        EXPECT_EQ(Bitmap_GetPixel(bitmap, 3, 3), kRed);
        EXPECT_EQ(Bitmap_GetPixel(bitmap, 16, 16), kRed);
        EXPECT_EQ(Bitmap_GetPixel(bitmap, 12, 17), kWhite);
    }
    EXPECT_TRUE(Path_Reset(triangle));
    ASSERT_TRUE(Path_AddEllipse(triangle, 0, 0, 20, 20));
    Canvas canvas(20, 20);
    ASSERT_TRUE(Graphics_FillPath(canvas.graphics, red, triangle));
    const BitmapObject& bitmap = canvas.Done();
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 10, 10), kRed);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 0, 0), kWhite);
}

TEST_F(DrawingTest, GradientAndTextureBrushesFill) {
    LinearGradientBrushObject linear;
    ASSERT_TRUE(LinearBrush_Create(linear, {0, 0}, {40, 0}, kRed, kBlue));
    {
        Canvas canvas(40, 4);
        ASSERT_TRUE(Graphics_FillRectangle(canvas.graphics, linear, 0, 0, 40, 4));
        const BitmapObject& bitmap = canvas.Done();
        Argb left = Bitmap_GetPixel(bitmap, 0, 1), right = Bitmap_GetPixel(bitmap, 39, 1);
        EXPECT_GT(left >> 16 & 0xFF, 0xF0u);
        EXPECT_LT(left & 0xFF, 0x10u);
        EXPECT_LT(right >> 16 & 0xFF, 0x10u);
        EXPECT_GT(right & 0xFF, 0xF0u);
    }
    const std::array<Argb, 2> colours{kRed, kBlue};
    const std::array<float, 1> tooFew{0};
    EXPECT_FALSE(LinearBrush_SetPresetBlend(linear, colours, tooFew));
    const std::array<float, 2> positions{0, 1};
    EXPECT_TRUE(LinearBrush_SetPresetBlend(linear, colours, positions));

    PathObject box;
    ASSERT_TRUE(Path_Create(box));
    ASSERT_TRUE(Path_AddRectangle(box, 0, 0, 20, 20));
    PathGradientBrushObject radial;
    ASSERT_TRUE(PathBrush_Create(radial, box));
    ASSERT_TRUE(PathBrush_SetCenterColor(radial, kRed));
    const std::array<Argb, 1> surround{kBlue};
    EXPECT_FALSE(PathBrush_SetSurroundColors(radial, surround, 4));
    ASSERT_TRUE(PathBrush_SetSurroundColors(radial, surround));
    {
        Canvas canvas(20, 20);
        ASSERT_TRUE(Graphics_FillPath(canvas.graphics, radial, box));
        const BitmapObject& bitmap = canvas.Done();
        EXPECT_GT(Bitmap_GetPixel(bitmap, 10, 10) >> 16 & 0xFF, 0xC0u);
        EXPECT_GT(Bitmap_GetPixel(bitmap, 0, 10) & 0xFF, 0xC0u);
    }

    BitmapObject tile;
    ASSERT_TRUE(Bitmap_Create(tile, 2, 2));
    for (int i = 0; i < 4; ++i) Bitmap_SetPixel(tile, i % 2, i / 2, i % 3 == 0 ? kRed : kBlue);
    TextureBrushObject texture;
    ASSERT_TRUE(TextureBrush_Create(texture, tile));
    Canvas canvas(6, 6);
    ASSERT_TRUE(Graphics_FillRectangle(canvas.graphics, texture, 0, 0, 6, 6));
    const BitmapObject& bitmap = canvas.Done();
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 4, 4), kRed);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 5, 4), kBlue);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 5, 5), kRed);
}

TEST_F(DrawingTest, PenOutlinesAndImagesDraw) {
    Canvas canvas(20, 20);
    PenObject pen;
    ASSERT_TRUE(Pen_Create(pen, kRed, 1, kUnitPixel));
    ASSERT_TRUE(Pen_SetWidth(pen, 1));
    ASSERT_TRUE(Graphics_DrawRectangle(canvas.graphics, pen, 2, 2, 10, 10));
    BitmapObject blue;
    ASSERT_TRUE(Bitmap_Create(blue, 2, 2));
    for (int i = 0; i < 4; ++i) Bitmap_SetPixel(blue, i % 2, i / 2, kBlue);
    ASSERT_TRUE(Graphics_DrawImageScaled(canvas.graphics, blue, 15, 15, 4, 4));
    const BitmapObject& bitmap = canvas.Done();
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 7, 2), kRed);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 2, 7), kRed);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 7, 7), kWhite);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 16, 16), kBlue);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 14, 14), kWhite);
}

TEST_F(DrawingTest, TextInSongtiChangesPixels) {
    FontObject font;
    ASSERT_TRUE(Font_CreateByName(font, "宋体", 16, 0, kUnitPixel));
    EXPECT_FLOAT_EQ(Font_GetSize(font), 16);
    FontFamilyObject family;
    ASSERT_TRUE(Font_GetFamily(font, family));
    EXPECT_FALSE(FontFamily_GetName(family).empty());

    Canvas canvas(64, 24);
    SolidBrushObject black;
    ASSERT_TRUE(SolidBrush_Create(black, 0xFF000000));
    StringFormatObject format;
    ASSERT_TRUE(StringFormat_Create(format));
    FloatRect bounds;
    ASSERT_TRUE(Graphics_MeasureString(canvas.graphics, "拾贝", font, {0, 0, 64, 24}, format, bounds));
    EXPECT_GT(bounds.width, 16);
    EXPECT_GT(bounds.height, 8);
    ASSERT_TRUE(Graphics_DrawString(canvas.graphics, "拾贝", font, black, {0, 0, 64, 24}, format));
    EXPECT_GT(CountNot(canvas.Done(), kWhite), 20);
}

TEST_F(DrawingTest, MissingFontFamilyGivesNoFont) {
    for (const char* name : {"没有这种字体", ""}) {
        SCOPED_TRACE(name);
        FontObject font;
        lastStatus = 0;
        EXPECT_FALSE(Font_CreateByName(font, name, 12, 0, kUnitPixel));
        EXPECT_EQ(font.get(), nullptr);
        EXPECT_NE(lastStatus, 0);
    }
}
