// Colours between GDI (0x00BBGGRR) and GDI+ (0xAARRGGBB).
#pragma once

#include <windows.h>

#include <optional>

#include "image/gdiplus_object.h"

// The GDI colour as ARGB; opacity is the alpha byte (its low byte is used), opaque when not given. The high byte
// of colour is ignored.
Argb Color_ToArgb(COLORREF colour, std::optional<int> opacity = {});
// The GDI colour of argb, high byte zero; its alpha byte goes to alpha when asked for.
COLORREF Color_FromArgb(Argb argb, int* alpha = nullptr);
