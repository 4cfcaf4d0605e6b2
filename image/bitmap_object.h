// Bitmaps: images with pixels that can be made blank, read and written, and handed to GDI.
#pragma once

#include "image/image_object.h"
#include "toolkit/gdi_handle.h"

#include <optional>

inline constexpr int kPixelFormat32bppArgb = 2498570;

class BitmapObject : public ImageObject {
public:
    Gdiplus::GpBitmap* bitmap() const { return static_cast<Gdiplus::GpBitmap*>(get()); }
};

bool Bitmap_LoadFromFile(BitmapObject& bitmap, std::string_view fileName, bool icm = false);
bool Bitmap_LoadFromBytes(BitmapObject& bitmap, ByteView bytes, bool icm = false);
// A new bitmap of width x height pixels, all zero (fully transparent in the default 32-bit ARGB format).
bool Bitmap_Create(BitmapObject& bitmap, int width, int height, std::optional<int> pixelFormat = {});
bool Bitmap_FromIcon(BitmapObject& bitmap, HICON icon);
// A new GDI bitmap with the pixels composed over background; empty on failure.
BitmapHandle Bitmap_ToGdiBitmap(const BitmapObject& bitmap, Argb background);
// The colour of one pixel; 0 on failure (lastStatus tells it from a transparent black pixel).
Argb Bitmap_GetPixel(const BitmapObject& bitmap, int x, int y);
bool Bitmap_SetPixel(BitmapObject& bitmap, int x, int y, Argb colour);
