#include "image/string_format_object.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool StringFormat_Create(StringFormatObject& format, int flags, LANGID language) {
    return GdiPlus_Make(format, [&](GpStringFormat** made) { return GdipCreateStringFormat(flags, language, made); });
}

bool StringFormat_SetFlags(StringFormatObject& format, int flags) {
    return GdiPlus_Record(GdipSetStringFormatFlags(format.get(), flags));
}

bool StringFormat_SetAlignment(StringFormatObject& format, int alignment) {
    return GdiPlus_Record(GdipSetStringFormatAlign(format.get(), static_cast<StringAlignment>(alignment)));
}

bool StringFormat_SetLineAlignment(StringFormatObject& format, int alignment) {
    return GdiPlus_Record(GdipSetStringFormatLineAlign(format.get(), static_cast<StringAlignment>(alignment)));
}

bool StringFormat_SetTrimming(StringFormatObject& format, int trimming) {
    return GdiPlus_Record(GdipSetStringFormatTrimming(format.get(), static_cast<StringTrimming>(trimming)));
}

bool StringFormat_Clone(const StringFormatObject& format, StringFormatObject& copy) {
    if (&format == &copy) return false;
    return GdiPlus_Make(copy, [&](GpStringFormat** made) { return GdipCloneStringFormat(format.get(), made); });
}
