#include "image/image_object.h"

#include "toolkit/codepage.h"

#include <cstdint>
#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool ImageObject::Delete() {
    if (!get()) return false;
    bool ok = GdiPlusObject::Delete();
    MemoryStream_Release(stream_);
    return ok;
}

bool Image_Dispose(ImageObject& image) { return image.Delete(); }

bool Image_LoadFromFile(ImageObject& image, std::string_view fileName, bool icm) {
    image.Delete();
    std::wstring name = Cp936_ToWide(fileName);
    return GdiPlus_Make(image, [&](GpImage** made) {
        return icm ? GdipLoadImageFromFileICM(name.c_str(), made) : GdipLoadImageFromFile(name.c_str(), made);
    });
}

bool Image_LoadStream(ImageObject& image, ByteView bytes, bool asBitmap, bool icm) {
    image.Delete();
    IStream* stream = MemoryStream_FromBytes(image.stream_, bytes);
    if (!stream) return GdiPlus_Record(OutOfMemory);
    bool ok = GdiPlus_Make(image, [&](GpImage** made) {
        if (!asBitmap)
            return icm ? GdipLoadImageFromStreamICM(stream, made) : GdipLoadImageFromStream(stream, made);
        GpBitmap* bitmap = nullptr;
        GpStatus status = icm ? GdipCreateBitmapFromStreamICM(stream, &bitmap)
                              : GdipCreateBitmapFromStream(stream, &bitmap);
        *made = bitmap;
        return status;
    });
    if (!ok) MemoryStream_Release(image.stream_);
    return ok;
}

bool Image_LoadFromBytes(ImageObject& image, ByteView bytes, bool icm) {
    return Image_LoadStream(image, bytes, false, icm);
}

Text Image_Format(const ImageObject& image) {
    GUID format{};
    if (!GdiPlus_Record(GdipGetImageRawFormat(image.get(), &format))) return {};
    return Guid_ToText(format);
}

unsigned Image_Width(const ImageObject& image) {
    UINT width = 0;
    return GdiPlus_Record(GdipGetImageWidth(image.get(), &width)) ? width : 0;
}

unsigned Image_Height(const ImageObject& image) {
    UINT height = 0;
    return GdiPlus_Record(GdipGetImageHeight(image.get(), &height)) ? height : 0;
}

bool Image_Clone(const ImageObject& image, ImageObject& copy) {
    if (&image == &copy) return false;
    ImageType type = ImageTypeUnknown;
    if (!GdiPlus_Record(GdipGetImageType(image.get(), &type))) return false;
    if (type != ImageTypeBitmap) {
        copy.Delete();
        return GdiPlus_Make(copy, [&](GpImage** made) { return GdipCloneImage(image.get(), made); });
    }
    // A copy of the pixels: a plain clone of a decoded image may go on reading the original's stream.
    UINT width = Image_Width(image), height = Image_Height(image);
    PixelFormat format = 0;
    if (!GdiPlus_Record(GdipGetImagePixelFormat(image.get(), &format))) return false;
    copy.Delete();
    return GdiPlus_Make(copy, [&](GpImage** made) {
        GpBitmap* bitmap = nullptr;
        GpStatus status = GdipCloneBitmapAreaI(0, 0, static_cast<INT>(width), static_cast<INT>(height), format,
                                               static_cast<GpBitmap*>(image.get()), &bitmap);
        *made = bitmap;
        return status;
    });
}

Text Image_FindEncoder(std::string_view format) {
    GUID wanted{};
    if (!Guid_FromText(format, wanted)) return {};
    UINT count = 0, size = 0;
    if (!GdiPlus_Record(GdipGetImageEncodersSize(&count, &size)) || count == 0 || size < count * sizeof(ImageCodecInfo))
        return {};
    std::vector<std::uint64_t> buffer((size + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t));
    auto* codecs = reinterpret_cast<ImageCodecInfo*>(buffer.data());
    if (!GdiPlus_Record(GdipGetImageEncoders(count, size, codecs))) return {};
    for (UINT i = 0; i < count; ++i) {
        if (IsEqualGUID(codecs[i].FormatID, wanted)) return Guid_ToText(codecs[i].Clsid);
    }
    return {};
}

namespace {

// Bytes one value of an encoder parameter type occupies; 0 for types whose size is not known here.
std::size_t ValueSize(unsigned long type) {
    switch (type) {
    case EncoderParameterValueTypeByte:
    case EncoderParameterValueTypeASCII:
    case EncoderParameterValueTypeUndefined: return 1;
    case EncoderParameterValueTypeShort: return 2;
    case EncoderParameterValueTypeLong: return 4;
    case EncoderParameterValueTypeRational:
    case EncoderParameterValueTypeLongRange: return 8;
    case EncoderParameterValueTypeRationalRange: return 16;
    default: return 0;
    }
}

} // namespace

Bytes Image_SaveToBytes(const ImageObject& image, std::string_view format, std::span<const EncoderSetting> settings) {
    Text formatText = format.empty() ? Image_Format(image) : Text(format);
    CLSID encoder{};
    if (!Guid_FromText(Image_FindEncoder(formatText), encoder)) return {};

    // The parameter block GDI+ reads: a count, then one record per setting pointing at the setting's bytes.
    std::vector<std::uint64_t> block;
    EncoderParameters* parameters = nullptr;
    if (!settings.empty()) {
        std::size_t bytes = sizeof(EncoderParameters) + (settings.size() - 1) * sizeof(EncoderParameter);
        block.assign((bytes + sizeof(std::uint64_t) - 1) / sizeof(std::uint64_t), 0);
        parameters = reinterpret_cast<EncoderParameters*>(block.data());
        parameters->Count = static_cast<UINT>(settings.size());
        for (std::size_t i = 0; i < settings.size(); ++i) {
            const EncoderSetting& setting = settings[i];
            EncoderParameter& parameter = parameters->Parameter[i];
            std::size_t valueSize = ValueSize(setting.type);
            // GDI+ reads count values from the bytes: refuse settings whose bytes are shorter than that.
            if (!Guid_FromText(setting.guid, parameter.Guid) || valueSize == 0 || setting.count == 0 ||
                setting.value.size() / valueSize < setting.count) {
                GdiPlus_Record(InvalidParameter);
                return {};
            }
            parameter.NumberOfValues = setting.count;
            parameter.Type = setting.type;
            parameter.Value = const_cast<unsigned char*>(setting.value.data());
        }
    }

    MemoryStream stream;
    IStream* target = MemoryStream_FromBytes(stream, {});
    if (!target) {
        GdiPlus_Record(OutOfMemory);
        return {};
    }
    if (!GdiPlus_Record(GdipSaveImageToStream(image.get(), target, &encoder, parameters))) return {};
    return MemoryStream_ToBytes(stream);
}
