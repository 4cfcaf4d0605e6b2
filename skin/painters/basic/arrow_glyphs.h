// The small arrow glyphs of the scroll bar buttons and the combo box button: near-black on transparent, drawn
// unscaled. Up and down are 7 x 4 (rows of 1, 3, 5 and 7 pixels, centred); left and right are 4 x 7 (columns).
#pragma once

#include "image/bitmap_object.h"

enum class ArrowGlyph { kUp, kDown, kLeft, kRight };

inline constexpr Argb kArrowGlyphColour = 0xFF020202;

// Makes the glyph into bitmap (32-bit ARGB); false when the bitmap cannot be made.
bool Glyph_MakeArrow(ArrowGlyph kind, BitmapObject& bitmap);
