#include "skin/painters/lists/bar_shapes.h"

#include "skin/draw/round_rect_path.h"

namespace {

constexpr int kPixelUnit = 2;

PathObject RoundPath(const FloatRect& box, int diameter) {
    PathObject path;
    if (Path_Create(path)) Path_AddRoundRect(path, box.x, box.y, box.width, box.height, diameter);
    return path;
}

void Outline(GraphicsObject& graphics, const PathObject& path, Argb colour) {
    PenObject pen;
    if (path && Pen_Create(pen, colour, 1.0f, kPixelUnit)) Graphics_DrawPath(graphics, pen, path);
}

}  // namespace

void Bar_FillRoundGradient(GraphicsObject& graphics, const FloatRect& box, int diameter, FloatPoint start,
                           FloatPoint end, Argb startColour, Argb endColour) {
    const PathObject path = RoundPath(box, diameter);
    LinearGradientBrushObject brush;
    if (path && LinearBrush_Create(brush, start, end, startColour, endColour)) Graphics_FillPath(graphics, brush, path);
}

void Bar_OutlineRound(GraphicsObject& graphics, const FloatRect& box, int diameter, Argb colour) {
    Outline(graphics, RoundPath(box, diameter), colour);
}

void Bar_FillRound(GraphicsObject& graphics, const FloatRect& box, int diameter, Argb colour) {
    const PathObject path = RoundPath(box, diameter);
    SolidBrushObject brush;
    if (path && SolidBrush_Create(brush, colour)) Graphics_FillPath(graphics, brush, path);
}

void Bar_OutlineRect(GraphicsObject& graphics, const FloatRect& box, Argb colour) {
    PenObject pen;
    if (Pen_Create(pen, colour, 1.0f, kPixelUnit)) Graphics_DrawRectangle(graphics, pen, box.x, box.y, box.width, box.height);
}

void Bar_ShadedCircle(GraphicsObject& graphics, float x, float y, float diameter) {
    constexpr Argb kWhite = 0xFFFFFFFF, kCentre = 0x20FFFFFF, kRim = 0x3C000000;
    PathObject circle;
    if (!Path_Create(circle) || !Path_AddEllipse(circle, x, y, diameter, diameter)) return;
    SolidBrushObject white;
    if (SolidBrush_Create(white, kWhite)) Graphics_FillPath(graphics, white, circle);
    PathGradientBrushObject shade;
    const Argb surround[] = {kRim};
    if (PathBrush_Create(shade, circle) && PathBrush_SetCenterColor(shade, kCentre) &&
        PathBrush_SetSurroundColors(shade, surround)) {
        Graphics_FillPath(graphics, shade, circle);
    }
    Outline(graphics, circle, kRim);
}
