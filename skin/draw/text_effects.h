// Decorated text through GDI+: text with a soft halo, and text with an outline. Colours are GDI colours;
// alignments are GDI+ StringAlignment values (0 near, 1 centre, 2 far); style is a GDI+ FontStyle bit set.
// face, when given, names the font face (empty: the default face) and holds the face that was used on return.
// Drawing failures are not reported: whatever could be created is drawn.
#pragma once

#include <windows.h>

#include <string_view>

#include "image/graphics_object.h"
#include "toolkit/text.h"

// The face used when none is given: 宋体.
extern const char kDefaultTextFace[];

// The text over a halo of glowColour: the text drawn in the glow colour, shrunk by blur (1 or more; 0 or less
// takes the default 4) and stretched back, then a faint four-way shadow and the text itself one pixel in.
void Text_DrawGlow(GraphicsObject& graphics, std::string_view text, const FloatRect& layout, COLORREF textColour,
                   COLORREF glowColour, float blur = 4.0f, Text* face = nullptr, int style = 0, float size = 12.0f,
                   int alignment = 0, int lineAlignment = 0, bool wrap = true, bool ellipsis = false);

// The text over four copies in outlineColour at opacity 150, moved by offset pixels left, right, up and down.
void Text_DrawOutlined(GraphicsObject& graphics, std::string_view text, const FloatRect& layout,
                       COLORREF textColour, COLORREF outlineColour, float offset = 1.0f, Text* face = nullptr,
                       int style = 0, float size = 13.0f, int alignment = 0, int lineAlignment = 0, bool wrap = true,
                       bool ellipsis = false);
