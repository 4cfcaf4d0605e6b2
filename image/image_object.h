// Images over GDI+: decoded from files or from byte sets in memory, encoded back into byte sets.
#pragma once

#include "image/gdiplus_object.h"
#include "image/memory_stream.h"

#include <span>
#include <string_view>

inline constexpr std::string_view kImageFormatPng = "{B96B3CAF-0728-11D3-9D7B-0000F81EF32E}";
inline constexpr std::string_view kImageFormatBmp = "{B96B3CAB-0728-11D3-9D7B-0000F81EF32E}";

// An image and the memory stream it was decoded from; GDI+ may read that stream for as long as the image lives,
// so the stream is released only after the image.
class ImageObject : public GdiPlusObject<Gdiplus::GpImage*, Gdiplus::DllExports::GdipDisposeImage> {
public:
    ImageObject() = default;
    ImageObject(ImageObject&&) noexcept = default;
    ImageObject& operator=(ImageObject&&) noexcept = default; // the old image goes before its stream
    ~ImageObject() { Delete(); }

    // Disposes the image, then releases its stream. False without calling GDI+ when there is no image.
    bool Delete();

private:
    friend bool Image_LoadStream(ImageObject&, ByteView, bool, bool);
    MemoryStream stream_;
};

// One parameter for an encoder: its identifier in registry form, the number of values, the GDI+ value type and
// the values' bytes.
struct EncoderSetting {
    Text guid;
    unsigned long count = 0;
    unsigned long type = 0;
    Bytes value;
};

bool Image_Dispose(ImageObject& image);
// Decodes a file; with icm, applies colour management. Whatever the object held is disposed first.
bool Image_LoadFromFile(ImageObject& image, std::string_view fileName, bool icm = false);
// Decodes the bytes from a stream of the object's own; whatever the object held is disposed first.
bool Image_LoadFromBytes(ImageObject& image, ByteView bytes, bool icm = false);
// The image encoded in format (default: the image's own format). Empty when no encoder handles the format, a
// setting is malformed or encoding fails.
Bytes Image_SaveToBytes(const ImageObject& image, std::string_view format = {},
                        std::span<const EncoderSetting> settings = {});
// The image's format identifier in registry form; empty without an image.
Text Image_Format(const ImageObject& image);
unsigned Image_Width(const ImageObject& image);
unsigned Image_Height(const ImageObject& image);
// Puts an independent copy of the image into copy (bitmaps are copied pixel for pixel, without the stream).
bool Image_Clone(const ImageObject& image, ImageObject& copy);
// The class identifier of the first installed encoder for format; empty when there is none.
Text Image_FindEncoder(std::string_view format);

// Shared by images and bitmaps: disposes what the object holds, then decodes bytes through its stream, as a
// bitmap or a general image.
bool Image_LoadStream(ImageObject& image, ByteView bytes, bool asBitmap, bool icm);
