// The four arrow glyphs of the up-down buttons: solid black triangles on a transparent background, up and down
// 7 x 4 pixels, left and right 4 x 7.
#pragma once

#include "image/bitmap_object.h"

enum class UpDownGlyph { kUp, kDown, kLeft, kRight };

// Makes the glyph as a 32-bit ARGB bitmap; false when GDI+ could not make it.
bool UpDown_MakeGlyph(UpDownGlyph glyph, BitmapObject& bitmap);
