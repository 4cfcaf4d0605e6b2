#include "image/font_object.h"

#include "toolkit/codepage.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool Font_CreateByName(FontObject& font, std::string_view familyName, float size, int style, int unit) {
    font.reset();
    FontFamilyObject family;
    if (!FontFamily_CreateByName(family, familyName)) return false;
    bool ok = GdiPlus_Make(font, [&](GpFont** made) {
        return GdipCreateFont(family.get(), size, style, static_cast<Unit>(unit), made);
    });
    // The font keeps what it needs of its family; the family goes, leaving the font's status in lastStatus.
    int status = lastStatus;
    family.Delete();
    lastStatus = status;
    return ok;
}

bool Font_FromDC(FontObject& font, HDC dc, HFONT gdiFont) {
    if (!gdiFont) return GdiPlus_Make(font, [&](GpFont** made) { return GdipCreateFontFromDC(dc, made); });
    LOGFONTW description{};
    if (GetObjectW(gdiFont, sizeof description, &description) != sizeof description) {
        font.reset();
        return GdiPlus_Record(InvalidParameter);
    }
    return GdiPlus_Make(font, [&](GpFont** made) { return GdipCreateFontFromLogfontW(dc, &description, made); });
}

bool Font_GetFamily(const FontObject& font, FontFamilyObject& family) {
    return GdiPlus_Make(family, [&](GpFontFamily** made) { return GdipGetFamily(font.get(), made); });
}

int Font_GetStyle(const FontObject& font) {
    INT style = 0;
    return GdiPlus_Record(GdipGetFontStyle(font.get(), &style)) ? style : 0;
}

float Font_GetSize(const FontObject& font) {
    REAL size = 0;
    return GdiPlus_Record(GdipGetFontSize(font.get(), &size)) ? size : 0;
}

bool Font_Clone(const FontObject& font, FontObject& copy) {
    if (&font == &copy) return false;
    return GdiPlus_Make(copy, [&](GpFont** made) { return GdipCloneFont(font.get(), made); });
}

bool FontFamily_CreateByName(FontFamilyObject& family, std::string_view name) {
    std::wstring wide = Cp936_ToWide(name);
    return GdiPlus_Make(family, [&](GpFontFamily** made) {
        return GdipCreateFontFamilyFromName(wide.c_str(), nullptr, made);
    });
}

Text FontFamily_GetName(const FontFamilyObject& family) {
    WCHAR name[LF_FACESIZE] = {};
    if (!GdiPlus_Record(GdipGetFamilyName(family.get(), name, LANG_NEUTRAL))) return {};
    name[LF_FACESIZE - 1] = 0;
    return Cp936_FromWide(name);
}

bool FontFamily_Clone(const FontFamilyObject& family, FontFamilyObject& copy) {
    if (&family == &copy) return false;
    return GdiPlus_Make(copy, [&](GpFontFamily** made) { return GdipCloneFontFamily(family.get(), made); });
}
