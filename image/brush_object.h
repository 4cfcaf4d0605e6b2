// Brushes for filling: one owner class for every kind, and the four kinds the painters use.
#pragma once

#include "image/gdiplus_object.h"

#include <optional>
#include <span>

class ImageObject;
class PathObject;

class BrushObject : public GdiPlusObject<Gdiplus::GpBrush*, Gdiplus::DllExports::GdipDeleteBrush> {};

class SolidBrushObject : public BrushObject {};
class LinearGradientBrushObject : public BrushObject {};
class PathGradientBrushObject : public BrushObject {};
class TextureBrushObject : public BrushObject {};

// Any kind of brush, copied into copy.
bool Brush_Clone(const BrushObject& brush, BrushObject& copy);

bool SolidBrush_Create(SolidBrushObject& brush, Argb colour);

// A gradient from start to end, repeated (tiled) beyond them.
bool LinearBrush_Create(LinearGradientBrushObject& brush, FloatPoint start, FloatPoint end, Argb startColour,
                        Argb endColour);
// Colours at positions from 0 to 1; both arrays must have the same size, at least 2.
bool LinearBrush_SetPresetBlend(LinearGradientBrushObject& brush, std::span<const Argb> colours,
                                std::span<const float> positions);
bool LinearBrush_SetLinearBlend(LinearGradientBrushObject& brush, float focus, float scale);

bool PathBrush_Create(PathGradientBrushObject& brush, const PathObject& path);
bool PathBrush_SetCenterColor(PathGradientBrushObject& brush, Argb colour);
// The first count colours (default: all of them); a count beyond the array is refused.
bool PathBrush_SetSurroundColors(PathGradientBrushObject& brush, std::span<const Argb> colours,
                                 std::optional<int> count = {});
bool PathBrush_SetFocusScales(PathGradientBrushObject& brush, float xScale, float yScale);

// Fills with the image; wrapMode is a GDI+ wrap mode, tile (0) by default.
bool TextureBrush_Create(TextureBrushObject& brush, const ImageObject& image, int wrapMode = 0);
