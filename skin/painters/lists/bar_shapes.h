// The few figures the bar painters are made of: rounded rectangles filled with a two-colour gradient or outlined,
// thin rectangles outlined with a one-pixel pen, and shaded circles.
#pragma once

#include "image/graphics_object.h"

// Fills a rounded rectangle (corner diameter as Path_AddRoundRect takes it) with a linear gradient from
// startColour at start to endColour at end.
void Bar_FillRoundGradient(GraphicsObject& graphics, const FloatRect& box, int diameter, FloatPoint start,
                           FloatPoint end, Argb startColour, Argb endColour);
// Outlines a rounded rectangle with a pen 1.0 wide.
void Bar_OutlineRound(GraphicsObject& graphics, const FloatRect& box, int diameter, Argb colour);
// Fills a rounded rectangle with one colour.
void Bar_FillRound(GraphicsObject& graphics, const FloatRect& box, int diameter, Argb colour);
// Outlines a plain rectangle with a pen 1.0 wide.
void Bar_OutlineRect(GraphicsObject& graphics, const FloatRect& box, Argb colour);
// A circle in the square at (x, y): filled opaque white, shaded from a faint white centre to a darker rim and
// outlined in that rim colour.
void Bar_ShadedCircle(GraphicsObject& graphics, float x, float y, float diameter);
