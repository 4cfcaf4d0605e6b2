// Fonts and font families for drawing text.
#pragma once

#include "image/gdiplus_object.h"

#include <string_view>

class FontFamilyObject
    : public GdiPlusObject<Gdiplus::GpFontFamily*, Gdiplus::DllExports::GdipDeleteFontFamily> {};

class FontObject : public GdiPlusObject<Gdiplus::GpFont*, Gdiplus::DllExports::GdipDeleteFont> {};

// A font of an installed family; false, with no font, when no installed family has the name.
// style and unit are the GDI+ values (0 and 3, regular in points, for the usual case).
bool Font_CreateByName(FontObject& font, std::string_view familyName, float size, int style, int unit);
// The font of a DC's GDI font: gdiFont when given, else the one selected into dc.
bool Font_FromDC(FontObject& font, HDC dc, HFONT gdiFont = nullptr);
// Puts the font's family (a family object of its own) into family.
bool Font_GetFamily(const FontObject& font, FontFamilyObject& family);
int Font_GetStyle(const FontObject& font);
float Font_GetSize(const FontObject& font);
bool Font_Clone(const FontObject& font, FontObject& copy);

bool FontFamily_CreateByName(FontFamilyObject& family, std::string_view name);
// The family's name, language neutral; empty on failure.
Text FontFamily_GetName(const FontFamilyObject& family);
bool FontFamily_Clone(const FontFamilyObject& family, FontFamilyObject& copy);
