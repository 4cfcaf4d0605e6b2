// Pens for outlines: a colour or a brush, a width and a unit.
#pragma once

#include "image/brush_object.h"

class PenObject : public GdiPlusObject<Gdiplus::GpPen*, Gdiplus::DllExports::GdipDeletePen> {};

bool Pen_Create(PenObject& pen, Argb colour, float width, int unit);
bool Pen_CreateFromBrush(PenObject& pen, const BrushObject& brush, float width, int unit);
bool Pen_SetWidth(PenObject& pen, float width);
bool Pen_Clone(const PenObject& pen, PenObject& copy);
