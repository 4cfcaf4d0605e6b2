// String formats: how drawn text is aligned, wrapped and trimmed in its layout rectangle.
#pragma once

#include "image/gdiplus_object.h"

class StringFormatObject
    : public GdiPlusObject<Gdiplus::GpStringFormat*, Gdiplus::DllExports::GdipDeleteStringFormat> {};

bool StringFormat_Create(StringFormatObject& format, int flags = 0, LANGID language = 0);
bool StringFormat_SetFlags(StringFormatObject& format, int flags);
bool StringFormat_SetAlignment(StringFormatObject& format, int alignment);
bool StringFormat_SetLineAlignment(StringFormatObject& format, int alignment);
bool StringFormat_SetTrimming(StringFormatObject& format, int trimming);
bool StringFormat_Clone(const StringFormatObject& format, StringFormatObject& copy);
