// Colour conversion, rounded rectangle figures, the memory DC table (with a GDI handle leak probe) and decorated
// text, probed in 32-bit DIB sections.
#include "image/gdiplus_session.h"
#include "skin/draw/colour.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/draw/round_rect_path.h"
#include "skin/draw/text_effects.h"
#include "tests/support/gdi_probe.h"
#include "toolkit/gdi_handle.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <optional>
#include <vector>

namespace {

TEST(Colour, ConvertsBetweenGdiAndArgb) {
    struct Case {
        COLORREF colour;
        std::optional<int> opacity;
        Argb argb;
    };
    const Case cases[] = {
        {0x0000FF, {}, 0xFFFF0000},       {0x0000FF, 60, 0x3CFF0000}, {0xAA563412, {}, 0xFF123456},
        {0x00563412, 0x1FF, 0xFF123456},  {0x00FFFFFF, 0, 0x00FFFFFF}, {0x00000000, 128, 0x80000000},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << std::hex << c.colour);
        EXPECT_EQ(Color_ToArgb(c.colour, c.opacity), c.argb);
        int alpha = -1;
        EXPECT_EQ(Color_FromArgb(c.argb, &alpha), c.colour & 0xFFFFFFu);
        EXPECT_EQ(alpha, static_cast<int>(c.argb >> 24));
    }
    EXPECT_EQ(Color_FromArgb(0x80102030), 0x00302010u);
}

struct PathShape {
    std::vector<Gdiplus::PointF> points;
    std::vector<BYTE> types;
    Gdiplus::RectF bounds;
};

PathShape Shape(const PathObject& path) {
    PathShape shape;
    INT count = 0;
    Gdiplus::DllExports::GdipGetPointCount(path.get(), &count);
    shape.points.resize(count);
    shape.types.resize(count);
    Gdiplus::DllExports::GdipGetPathPoints(path.get(), shape.points.data(), count);
    Gdiplus::DllExports::GdipGetPathTypes(path.get(), shape.types.data(), count);
    Gdiplus::DllExports::GdipGetPathWorldBounds(path.get(), &shape.bounds, nullptr, nullptr);
    return shape;
}

bool HasPoint(const PathShape& shape, float x, float y) {
    for (const auto& p : shape.points)
        if (std::abs(p.X - x) < 0.01f && std::abs(p.Y - y) < 0.01f) return true;
    return false;
}

class DrawWithGdiPlus : public testing::Test {
protected:
    GdiPlusSession session_;
};

TEST_F(DrawWithGdiPlus, RoundRectClampsTheDiameterAndEnlargesTheBottomRightArc) {
    struct Case {
        int diameter;
        float used;
    };
    for (const Case c : {Case{0, 1}, Case{-5, 1}, Case{40, 40}, Case{100, 100}, Case{250, 100}}) {
        SCOPED_TRACE(c.diameter);
        PathObject path;
        ASSERT_TRUE(Path_Create(path));
        Path_AddRoundRect(path, 10, 20, 200, 150, c.diameter);
        const PathShape shape = Shape(path);
        ASSERT_FALSE(shape.points.empty());
        const float d = c.used;
        // Top-right arc starts at the top edge; bottom-right arc is d + 1 wide, one pixel up and left.
        EXPECT_FLOAT_EQ(shape.points.front().X, 210 - d / 2);
        EXPECT_FLOAT_EQ(shape.points.front().Y, 20);
        EXPECT_TRUE(HasPoint(shape, 210, 170 - (d + 1) / 2));
        EXPECT_TRUE(HasPoint(shape, 210 - (d + 1) / 2, 170));
        EXPECT_TRUE(HasPoint(shape, 10, 170 - d / 2));
        EXPECT_TRUE(HasPoint(shape, 10 + d / 2, 20));
        EXPECT_NEAR(shape.bounds.X, 10, 0.01);
        EXPECT_NEAR(shape.bounds.Y, 20, 0.01);
        EXPECT_NEAR(shape.bounds.X + shape.bounds.Width, 210, 0.01);
        EXPECT_NEAR(shape.bounds.Y + shape.bounds.Height, 170, 0.01);
        EXPECT_TRUE(shape.types.back() & Gdiplus::PathPointTypeCloseSubpath);
    }
}

TEST_F(DrawWithGdiPlus, TopRoundRectIsAnOpenBandWithSquareBottom) {
    PathObject path;
    ASSERT_TRUE(Path_Create(path));
    Path_AddTopRoundRect(path, 5, 5, 50, 20, 10);
    const PathShape shape = Shape(path);
    ASSERT_GE(shape.points.size(), 4u);
    EXPECT_FLOAT_EQ(shape.points.front().X, 5);
    EXPECT_FLOAT_EQ(shape.points.front().Y, 25);
    EXPECT_FLOAT_EQ(shape.points.back().X, 55);
    EXPECT_FLOAT_EQ(shape.points.back().Y, 25);
    EXPECT_TRUE(HasPoint(shape, 5, 15));
    EXPECT_TRUE(HasPoint(shape, 15, 5));
    EXPECT_TRUE(HasPoint(shape, 45, 5));
    EXPECT_TRUE(HasPoint(shape, 55, 15));
    EXPECT_FALSE(shape.types.back() & Gdiplus::PathPointTypeCloseSubpath);
    EXPECT_NEAR(shape.bounds.Y, 5, 0.01);
}

using Surface = DibSurface;

constexpr uint32_t kWhite = 0xFFFFFF;

TEST_F(DrawWithGdiPlus, GlowDrawsAHaloAroundTheText) {
    Surface plain(160, 50, kWhite), glowing(160, 50, kWhite);
    const FloatRect layout{20, 10, 120, 30};
    const std::string text = "拾贝 Glow";
    Text face;
    {
        GraphicsObject graphics;
        ASSERT_TRUE(Graphics_FromDC(graphics, glowing.dc()));
        Text_DrawGlow(graphics, text, layout, RGB(0, 0, 0), RGB(255, 0, 0), 4, &face, 1, 16);
    }
    EXPECT_EQ(face, "宋体");
    {
        GraphicsObject graphics;
        FontObject font;
        SolidBrushObject brush;
        StringFormatObject format;
        ASSERT_TRUE(Graphics_FromDC(graphics, plain.dc()));
        ASSERT_TRUE(Font_CreateByName(font, face, 16, 1, 0));
        SolidBrush_Create(brush, 0xFF000000);
        StringFormat_Create(format, 0x2000);
        Graphics_DrawString(graphics, text, font, brush, {21, 11, 120, 30}, format);
    }
    int textPixels = 0, haloPixels = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 160; ++x) {
            const uint32_t p = glowing.At(x, y);
            if (plain.At(x, y) != kWhite) ++textPixels;
            if (x < 20 || y < 10) {
                EXPECT_EQ(p, kWhite) << x << "," << y;  // nothing above or left of the layout
            }
            const int red = (p >> 16) & 0xFF, green = (p >> 8) & 0xFF;
            if (plain.At(x, y) == kWhite && p != kWhite && red > green + 20) ++haloPixels;
        }
    }
    EXPECT_GT(textPixels, 20);
    EXPECT_GT(haloPixels, textPixels / 2);  // a reddish ring around the glyphs, where the plain text left white
}

TEST_F(DrawWithGdiPlus, OutlineSurroundsTheTextAndKeepsAGivenFace) {
    Surface outlined(160, 50, kWhite);
    Text face = "宋体";
    {
        GraphicsObject graphics;
        ASSERT_TRUE(Graphics_FromDC(graphics, outlined.dc()));
        Text_DrawOutlined(graphics, "WWW", {20, 10, 120, 30}, RGB(0, 0, 0), RGB(0, 0, 255), 2, &face, 1, 20);
    }
    EXPECT_EQ(face, "宋体");
    int black = 0, blueish = 0;
    for (int y = 0; y < 50; ++y) {
        for (int x = 0; x < 160; ++x) {
            const uint32_t p = outlined.At(x, y);
            if (p == 0) ++black;
            if ((p & 0xFF) > ((p >> 16) & 0xFF) + 40) ++blueish;
        }
    }
    EXPECT_GT(black, 20);
    EXPECT_GT(blueish, 20);
}


HBITMAP MakeBitmap() { return CreateBitmap(8, 8, 1, 32, nullptr); }

TEST(MemDcTable, ReleasesEveryDcAndBitmapItListsAndNothingElse) {
    const int baseCount = MemDc_Count();
    const int room = Gdi_Headroom();
    ASSERT_GT(room, 1000);

    for (int round = 0; round < 200; ++round) {
        HDC dc = CreateCompatibleDC(nullptr);
        HBITMAP first = MakeBitmap();
        MemDc_Register(dc, first, SelectObject(dc, first));
        MemDc_Register(dc, first, GetCurrentObject(dc, OBJ_BITMAP));  // listed again as is
        HBITMAP second = MakeBitmap();
        MemDc_Register(dc, second, SelectObject(dc, second));  // the DC reused with a new bitmap
        ASSERT_EQ(MemDc_Count(), baseCount + 1);

        EXPECT_EQ(MemDc_Release(dc), 1);
        EXPECT_EQ(GetObjectType(dc), 0u);
        EXPECT_EQ(GetObjectType(second), 0u);
        EXPECT_EQ(GetObjectType(first), 0u);
        EXPECT_EQ(MemDc_Release(dc), 0);

        MemoryDc unlisted;
        EXPECT_EQ(MemDc_Release(unlisted.get()), 0);
        EXPECT_EQ(GetObjectType(unlisted.get()), static_cast<DWORD>(OBJ_MEMDC));
        EXPECT_EQ(MemDc_Release(nullptr), 0);
        // A window outside every dressed window has no background to snapshot; nothing is left behind.
        EXPECT_EQ(Skin_SnapshotBackground(GetDesktopWindow(), RECT{0, 0, 10, 10}), nullptr);
    }
    EXPECT_EQ(MemDc_Count(), baseCount);
    EXPECT_EQ(Gdi_Headroom(), room);
}

}  // namespace
