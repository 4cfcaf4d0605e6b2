#include "image/bitmap_object.h"

#include "toolkit/codepage.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

// Runs a creation that yields a GpBitmap* for an owner that stores GpImage*.
template <typename Create>
bool MakeBitmap(BitmapObject& bitmap, Create create) {
    bitmap.Delete();
    return GdiPlus_Make(bitmap, [&](GpImage** made) {
        GpBitmap* created = nullptr;
        GpStatus status = create(&created);
        *made = created;
        return status;
    });
}

} // namespace

bool Bitmap_LoadFromFile(BitmapObject& bitmap, std::string_view fileName, bool icm) {
    std::wstring name = Cp936_ToWide(fileName);
    return MakeBitmap(bitmap, [&](GpBitmap** made) {
        return icm ? GdipCreateBitmapFromFileICM(name.c_str(), made) : GdipCreateBitmapFromFile(name.c_str(), made);
    });
}

bool Bitmap_LoadFromBytes(BitmapObject& bitmap, ByteView bytes, bool icm) {
    return Image_LoadStream(bitmap, bytes, true, icm);
}

bool Bitmap_Create(BitmapObject& bitmap, int width, int height, std::optional<int> pixelFormat) {
    return MakeBitmap(bitmap, [&](GpBitmap** made) {
        return GdipCreateBitmapFromScan0(width, height, 0, pixelFormat.value_or(kPixelFormat32bppArgb), nullptr, made);
    });
}

bool Bitmap_FromIcon(BitmapObject& bitmap, HICON icon) {
    return MakeBitmap(bitmap, [&](GpBitmap** made) { return GdipCreateBitmapFromHICON(icon, made); });
}

BitmapHandle Bitmap_ToGdiBitmap(const BitmapObject& bitmap, Argb background) {
    HBITMAP made = nullptr;
    if (!GdiPlus_Record(GdipCreateHBITMAPFromBitmap(bitmap.bitmap(), &made, background))) {
        if (made) DeleteObject(made);
        return {};
    }
    return BitmapHandle(made);
}

Argb Bitmap_GetPixel(const BitmapObject& bitmap, int x, int y) {
    ARGB colour = 0;
    return GdiPlus_Record(GdipBitmapGetPixel(bitmap.bitmap(), x, y, &colour)) ? colour : 0;
}

bool Bitmap_SetPixel(BitmapObject& bitmap, int x, int y, Argb colour) {
    return GdiPlus_Record(GdipBitmapSetPixel(bitmap.bitmap(), x, y, colour));
}
