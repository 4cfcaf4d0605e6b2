#include "image/graphics_object.h"

#include "toolkit/codepage.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool Graphics_FromDC(GraphicsObject& graphics, HDC dc, std::optional<HANDLE> device) {
    return GdiPlus_Make(graphics, [&](GpGraphics** made) {
        return device ? GdipCreateFromHDC2(dc, *device, made) : GdipCreateFromHDC(dc, made);
    });
}

bool Graphics_FromImage(GraphicsObject& graphics, const ImageObject& image) {
    return GdiPlus_Make(graphics, [&](GpGraphics** made) { return GdipGetImageGraphicsContext(image.get(), made); });
}

bool Graphics_SetCompositingQuality(GraphicsObject& graphics, int quality) {
    return GdiPlus_Record(GdipSetCompositingQuality(graphics.get(), static_cast<CompositingQuality>(quality)));
}

bool Graphics_SetSmoothingMode(GraphicsObject& graphics, int mode) {
    return GdiPlus_Record(GdipSetSmoothingMode(graphics.get(), static_cast<SmoothingMode>(mode)));
}

bool Graphics_SetInterpolationMode(GraphicsObject& graphics, int mode) {
    return GdiPlus_Record(GdipSetInterpolationMode(graphics.get(), static_cast<InterpolationMode>(mode)));
}

bool Graphics_SetPixelOffsetMode(GraphicsObject& graphics, int mode) {
    return GdiPlus_Record(GdipSetPixelOffsetMode(graphics.get(), static_cast<PixelOffsetMode>(mode)));
}

bool Graphics_DrawLine(GraphicsObject& graphics, const PenObject& pen, float x1, float y1, float x2, float y2) {
    return GdiPlus_Record(GdipDrawLine(graphics.get(), pen.get(), x1, y1, x2, y2));
}

bool Graphics_DrawRectangle(GraphicsObject& graphics, const PenObject& pen, float x, float y, float width,
                            float height) {
    return GdiPlus_Record(GdipDrawRectangle(graphics.get(), pen.get(), x, y, width, height));
}

bool Graphics_DrawPath(GraphicsObject& graphics, const PenObject& pen, const PathObject& path) {
    return GdiPlus_Record(GdipDrawPath(graphics.get(), pen.get(), path.get()));
}

bool Graphics_Clear(GraphicsObject& graphics, Argb colour) {
    return GdiPlus_Record(GdipGraphicsClear(graphics.get(), colour));
}

bool Graphics_FillRectangle(GraphicsObject& graphics, const BrushObject& brush, float x, float y, float width,
                            float height) {
    return GdiPlus_Record(GdipFillRectangle(graphics.get(), brush.get(), x, y, width, height));
}

bool Graphics_FillPath(GraphicsObject& graphics, const BrushObject& brush, const PathObject& path) {
    return GdiPlus_Record(GdipFillPath(graphics.get(), brush.get(), path.get()));
}

bool Graphics_DrawString(GraphicsObject& graphics, std::string_view text, const FontObject& font,
                         const BrushObject& brush, const FloatRect& layout, const StringFormatObject& format) {
    std::wstring wide = Cp936_ToWide(text);
    RectF rect(layout.x, layout.y, layout.width, layout.height);
    return GdiPlus_Record(GdipDrawString(graphics.get(), wide.c_str(), static_cast<INT>(wide.size()), font.get(),
                                         &rect, format.get(), brush.get()));
}

bool Graphics_MeasureString(GraphicsObject& graphics, std::string_view text, const FontObject& font,
                            const FloatRect& layout, const StringFormatObject& format, FloatRect& bounds) {
    std::wstring wide = Cp936_ToWide(text);
    RectF rect(layout.x, layout.y, layout.width, layout.height);
    RectF measured;
    bool ok = GdiPlus_Record(GdipMeasureString(graphics.get(), wide.c_str(), static_cast<INT>(wide.size()),
                                               font.get(), &rect, format.get(), &measured, nullptr, nullptr));
    bounds = ok ? FloatRect{measured.X, measured.Y, measured.Width, measured.Height} : FloatRect{};
    return ok;
}

bool Graphics_DrawImage(GraphicsObject& graphics, const ImageObject& image, float x, float y) {
    return GdiPlus_Record(GdipDrawImage(graphics.get(), image.get(), x, y));
}

bool Graphics_DrawImageScaled(GraphicsObject& graphics, const ImageObject& image, float x, float y, float width,
                              float height, int unit) {
    UINT sourceWidth = 0, sourceHeight = 0;
    if (!GdiPlus_Record(GdipGetImageWidth(image.get(), &sourceWidth)) ||
        !GdiPlus_Record(GdipGetImageHeight(image.get(), &sourceHeight)))
        return false;
    return GdiPlus_Record(GdipDrawImageRectRect(graphics.get(), image.get(), x, y, width, height, 0, 0,
                                                static_cast<REAL>(sourceWidth), static_cast<REAL>(sourceHeight),
                                                static_cast<Unit>(unit), nullptr, nullptr, nullptr));
}

bool Graphics_ClipToPath(GraphicsObject& graphics, const PathObject& path, int combineMode) {
    return GdiPlus_Record(GdipSetClipPath(graphics.get(), path.get(), static_cast<CombineMode>(combineMode)));
}

bool Graphics_ClipToRectangle(GraphicsObject& graphics, float x, float y, float width, float height,
                              int combineMode) {
    return GdiPlus_Record(
        GdipSetClipRect(graphics.get(), x, y, width, height, static_cast<CombineMode>(combineMode)));
}

bool Graphics_ResetClip(GraphicsObject& graphics) { return GdiPlus_Record(GdipResetClip(graphics.get())); }
