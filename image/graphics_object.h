// Graphics contexts: drawing on a device context or into an image.
#pragma once

#include "image/brush_object.h"
#include "image/font_object.h"
#include "image/image_object.h"
#include "image/path_object.h"
#include "image/pen_object.h"
#include "image/string_format_object.h"

#include <optional>
#include <string_view>

// A graphics context has no GDI+ copy; it can be moved, not copied. A context made on an image draws into that
// image and must be gone before the image is disposed.
class GraphicsObject : public GdiPlusObject<Gdiplus::GpGraphics*, Gdiplus::DllExports::GdipDeleteGraphics> {};

inline constexpr int kUnitPixel = 2;

bool Graphics_FromDC(GraphicsObject& graphics, HDC dc, std::optional<HANDLE> device = {});
bool Graphics_FromImage(GraphicsObject& graphics, const ImageObject& image);

bool Graphics_SetCompositingQuality(GraphicsObject& graphics, int quality);
bool Graphics_SetSmoothingMode(GraphicsObject& graphics, int mode);
bool Graphics_SetInterpolationMode(GraphicsObject& graphics, int mode);
bool Graphics_SetPixelOffsetMode(GraphicsObject& graphics, int mode);

bool Graphics_DrawLine(GraphicsObject& graphics, const PenObject& pen, float x1, float y1, float x2, float y2);
bool Graphics_DrawRectangle(GraphicsObject& graphics, const PenObject& pen, float x, float y, float width,
                            float height);
bool Graphics_DrawPath(GraphicsObject& graphics, const PenObject& pen, const PathObject& path);
bool Graphics_Clear(GraphicsObject& graphics, Argb colour);
bool Graphics_FillRectangle(GraphicsObject& graphics, const BrushObject& brush, float x, float y, float width,
                            float height);
bool Graphics_FillPath(GraphicsObject& graphics, const BrushObject& brush, const PathObject& path);

// text is a code page 936 text; format may be empty (no format object).
bool Graphics_DrawString(GraphicsObject& graphics, std::string_view text, const FontObject& font,
                         const BrushObject& brush, const FloatRect& layout, const StringFormatObject& format);
// The rectangle the text would take in layout; all zero on failure.
bool Graphics_MeasureString(GraphicsObject& graphics, std::string_view text, const FontObject& font,
                            const FloatRect& layout, const StringFormatObject& format, FloatRect& bounds);

// The image at its natural size with its top left corner at (x, y).
bool Graphics_DrawImage(GraphicsObject& graphics, const ImageObject& image, float x, float y);
// The whole image stretched over (x, y, width, height); unit is the GDI+ unit of the target, pixels by default.
bool Graphics_DrawImageScaled(GraphicsObject& graphics, const ImageObject& image, float x, float y, float width,
                              float height, int unit = kUnitPixel);

bool Graphics_ClipToPath(GraphicsObject& graphics, const PathObject& path, int combineMode);
bool Graphics_ClipToRectangle(GraphicsObject& graphics, float x, float y, float width, float height,
                              int combineMode);
bool Graphics_ResetClip(GraphicsObject& graphics);
