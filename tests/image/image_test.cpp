#include "gdiplus_fixture.h"

#include "image/memory_stream.h"
#include "image/pen_object.h"

#include <string>

using ImageTest = GdiPlusTest;

namespace {

Bytes PngOf(int width, int height, void (*make)(BitmapObject&, int, int)) {
    BitmapObject bitmap;
    make(bitmap, width, height);
    return Image_SaveToBytes(bitmap, kImageFormatPng);
}

} // namespace

TEST_F(ImageTest, BitmapRoundTripsThroughPngBytes) {
    Bytes png = PngOf(5, 3, MakePattern);
    ASSERT_GT(png.size(), 8u);
    EXPECT_EQ(std::string(png.begin() + 1, png.begin() + 4), "PNG");

    BitmapObject loaded;
    ASSERT_TRUE(Bitmap_LoadFromBytes(loaded, png));
    EXPECT_EQ(Image_Format(loaded), kImageFormatPng);
    ExpectPattern(loaded, 5, 3);

    // Saved again in its own format, and read back as a general image.
    Bytes again = Image_SaveToBytes(loaded);
    ImageObject image;
    ASSERT_TRUE(Image_LoadFromBytes(image, again));
    EXPECT_EQ(Image_Width(image), 5u);
    EXPECT_EQ(Image_Height(image), 3u);
}

TEST_F(ImageTest, BlankBitmapIsTransparentArgb) {
    BitmapObject bitmap;
    ASSERT_TRUE(Bitmap_Create(bitmap, 4, 4));
    Gdiplus::PixelFormat format = 0;
    Gdiplus::DllExports::GdipGetImagePixelFormat(bitmap.get(), &format);
    EXPECT_EQ(static_cast<int>(format), kPixelFormat32bppArgb);
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 3, 3), 0u);
    EXPECT_EQ(lastStatus, 0);
    // Outside the bitmap: 0 with a failure status.
    EXPECT_EQ(Bitmap_GetPixel(bitmap, 4, 0), 0u);
    EXPECT_NE(lastStatus, 0);
}

TEST_F(ImageTest, EncodersAreFoundByFormat) {
    EXPECT_FALSE(Image_FindEncoder(kImageFormatPng).empty());
    EXPECT_FALSE(Image_FindEncoder(kImageFormatBmp).empty());
    EXPECT_EQ(Image_FindEncoder("{b96b3caf-0728-11d3-9d7b-0000f81ef32e}"), Image_FindEncoder(kImageFormatPng));
    EXPECT_EQ(Image_FindEncoder("{00000000-0000-0000-0000-000000000000}"), "");
    EXPECT_EQ(Image_FindEncoder("B96B3CAF-0728-11D3-9D7B-0000F81EF32E"), "");

    BitmapObject bitmap;
    MakePattern(bitmap, 2, 2);
    EXPECT_TRUE(Image_SaveToBytes(bitmap, "{00000000-0000-0000-0000-000000000000}").empty());
    Bytes bmp = Image_SaveToBytes(bitmap, kImageFormatBmp);
    ASSERT_GT(bmp.size(), 2u);
    EXPECT_EQ(bmp[0], 'B');
    EXPECT_EQ(bmp[1], 'M');
}

TEST_F(ImageTest, EncoderSettingShorterThanItsValuesIsRefused) {
    BitmapObject bitmap;
    MakePattern(bitmap, 2, 2);
    // Quality, one 32-bit value, but only two bytes of it.
    EncoderSetting quality{"{1D5BE4B5-FA4A-452D-9CDD-5DB35105E7EB}", 1, Gdiplus::EncoderParameterValueTypeLong,
                           Bytes{90, 0}};
    EXPECT_TRUE(Image_SaveToBytes(bitmap, kImageFormatPng, {&quality, 1}).empty());
    EXPECT_NE(lastStatus, 0);
}

TEST_F(ImageTest, UndecodableBytesGiveNoImage) {
    Bytes png = PngOf(3, 3, MakePattern);
    const struct {
        const char* what;
        Bytes bytes;
    } cases[] = {
        {"empty", {}},
        {"text", Bytes{'n', 'o', 't', ' ', 'a', 'n', ' ', 'i', 'm', 'a', 'g', 'e'}},
        {"png signature only", Bytes(png.begin(), png.begin() + 8)},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        ImageObject image;
        lastStatus = 0;
        EXPECT_FALSE(Image_LoadFromBytes(image, c.bytes));
        EXPECT_NE(lastStatus, 0);
        EXPECT_EQ(image.get(), nullptr);
        BitmapObject bitmap;
        lastStatus = 0;
        EXPECT_FALSE(Bitmap_LoadFromBytes(bitmap, c.bytes));
        EXPECT_NE(lastStatus, 0);
        EXPECT_EQ(bitmap.get(), nullptr);
        EXPECT_FALSE(Image_Dispose(bitmap));
    }
}

TEST_F(ImageTest, DisposingTwiceReachesGdiPlusOnce) {
    BitmapObject bitmap;
    ASSERT_TRUE(Bitmap_LoadFromBytes(bitmap, PngOf(2, 2, MakePattern)));
    EXPECT_TRUE(Image_Dispose(bitmap));
    EXPECT_EQ(bitmap.get(), nullptr);
    lastStatus = 1234;
    EXPECT_FALSE(Image_Dispose(bitmap));
    EXPECT_EQ(lastStatus, 1234);
    EXPECT_EQ(Image_Width(bitmap), 0u);

    PenObject pen;
    ASSERT_TRUE(Pen_Create(pen, 0xFF000000, 1, 2));
    EXPECT_TRUE(pen.Delete());
    lastStatus = 1234;
    EXPECT_FALSE(pen.Delete());
    EXPECT_EQ(lastStatus, 1234);
}

TEST_F(ImageTest, LoadingAgainReplacesTheImageAndItsStream) {
    BitmapObject bitmap;
    ASSERT_TRUE(Bitmap_LoadFromBytes(bitmap, PngOf(2, 2, MakePattern)));
    ASSERT_TRUE(Bitmap_LoadFromBytes(bitmap, PngOf(6, 4, MakePattern)));
    ExpectPattern(bitmap, 6, 4);
    // A failed load leaves nothing behind rather than the old image.
    EXPECT_FALSE(Bitmap_LoadFromBytes(bitmap, Bytes{1, 2, 3}));
    EXPECT_EQ(bitmap.get(), nullptr);
}

TEST_F(ImageTest, CloneAndMoveKeepOneOwnerPerImage) {
    BitmapObject original;
    ASSERT_TRUE(Bitmap_LoadFromBytes(original, PngOf(4, 4, MakePattern)));
    BitmapObject copy;
    ASSERT_TRUE(Image_Clone(original, copy));
    EXPECT_NE(copy.get(), original.get());
    ASSERT_TRUE(Bitmap_SetPixel(copy, 0, 0, 0xFF123456));
    EXPECT_EQ(Bitmap_GetPixel(original, 0, 0), PatternColour(0, 0));

    // The copy does not depend on the original or its stream.
    EXPECT_TRUE(Image_Dispose(original));
    EXPECT_EQ(Bitmap_GetPixel(copy, 0, 0), 0xFF123456u);
    EXPECT_EQ(Bitmap_GetPixel(copy, 3, 2), PatternColour(3, 2));

    BitmapObject moved = std::move(copy);
    EXPECT_EQ(copy.get(), nullptr);
    EXPECT_EQ(Bitmap_GetPixel(moved, 3, 2), PatternColour(3, 2));
    moved = BitmapObject();
    EXPECT_EQ(moved.get(), nullptr);
}

TEST_F(ImageTest, GdiBitmapHasTheBitmapsSize) {
    BitmapObject bitmap;
    MakePattern(bitmap, 7, 5);
    BitmapHandle gdi = Bitmap_ToGdiBitmap(bitmap, 0xFFFFFFFF);
    ASSERT_TRUE(gdi);
    BITMAP info{};
    ASSERT_EQ(GetObjectW(gdi.get(), sizeof info, &info), static_cast<int>(sizeof info));
    EXPECT_EQ(info.bmWidth, 7);
    EXPECT_EQ(info.bmHeight, 5);
    EXPECT_FALSE(Bitmap_ToGdiBitmap(BitmapObject(), 0));
}

TEST(MemoryStreamTest, HoldsBytesInItsOwnBlock) {
    const Bytes bytes{1, 2, 3, 4, 5};
    MemoryStream stream;
    ASSERT_NE(MemoryStream_FromBytes(stream, bytes), nullptr);
    EXPECT_EQ(MemoryStream_ToBytes(stream), bytes);
    EXPECT_EQ(MemoryStream_Size(stream), 5u);

    ASSERT_NE(MemoryStream_FromBytes(stream, bytes, 8), nullptr);
    EXPECT_EQ(MemoryStream_ToBytes(stream), (Bytes{1, 2, 3, 4, 5, 0, 0, 0}));
    ASSERT_NE(MemoryStream_FromBytes(stream, bytes, 2), nullptr);
    EXPECT_EQ(MemoryStream_ToBytes(stream), (Bytes{1, 2}));

    MemoryStream copy;
    ASSERT_TRUE(MemoryStream_Copy(stream, copy));
    EXPECT_NE(MemoryStream_Block(copy), MemoryStream_Block(stream));
    MemoryStream_Release(stream);
    EXPECT_EQ(MemoryStream_Stream(stream), nullptr);
    EXPECT_TRUE(MemoryStream_ToBytes(stream).empty());
    EXPECT_EQ(MemoryStream_ToBytes(copy), (Bytes{1, 2}));

    // What is written to an empty stream grows its block; only the written bytes come back.
    ASSERT_NE(MemoryStream_FromBytes(stream, {}), nullptr);
    ULONG written = 0;
    ASSERT_EQ(MemoryStream_Stream(stream)->Write("abc", 3, &written), S_OK);
    EXPECT_EQ(MemoryStream_ToBytes(stream), (Bytes{'a', 'b', 'c'}));

    // An attached stream is used, and released, but its block stays with its maker.
    HGLOBAL block = GlobalAlloc(GMEM_MOVEABLE, 3);
    IStream* foreign = nullptr;
    ASSERT_EQ(CreateStreamOnHGlobal(block, TRUE, &foreign), S_OK);
    ASSERT_TRUE(MemoryStream_Attach(stream, foreign));
    EXPECT_EQ(MemoryStream_Block(stream), block);
    MemoryStream_Release(stream);
}
