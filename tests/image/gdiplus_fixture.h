// GDI+ running for the whole test suite, and small helpers to make and probe bitmaps.
#pragma once

#include "image/bitmap_object.h"
#include "image/gdiplus_session.h"

#include <gtest/gtest.h>

#include <memory>

class GdiPlusTest : public ::testing::Test {
protected:
    static void SetUpTestSuite() { session_ = std::make_unique<GdiPlusSession>(); }
    static void TearDownTestSuite() { session_.reset(); }
    void SetUp() override { ASSERT_TRUE(session_->ok()); }

    // A width x height bitmap where pixel (x, y) has a colour made from its position.
    static Argb PatternColour(int x, int y) {
        return 0xFF000000u | static_cast<Argb>(x * 40) << 16 | static_cast<Argb>(y * 50) << 8 | 0x3Fu;
    }
    static void MakePattern(BitmapObject& bitmap, int width, int height) {
        ASSERT_TRUE(Bitmap_Create(bitmap, width, height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x) ASSERT_TRUE(Bitmap_SetPixel(bitmap, x, y, PatternColour(x, y)));
    }
    static void ExpectPattern(const BitmapObject& bitmap, int width, int height) {
        ASSERT_EQ(Image_Width(bitmap), static_cast<unsigned>(width));
        ASSERT_EQ(Image_Height(bitmap), static_cast<unsigned>(height));
        for (int y = 0; y < height; ++y)
            for (int x = 0; x < width; ++x)
                EXPECT_EQ(Bitmap_GetPixel(bitmap, x, y), PatternColour(x, y)) << "pixel " << x << "," << y;
    }

private:
    static inline std::unique_ptr<GdiPlusSession> session_;
};
