// Painting a companion: a tinted trough, a glassy thumb and two arrow plates over the skin background.
#include "image/graphics_object.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/draw/round_rect_path.h"
#include "skin/painters/basic/arrow_glyphs.h"
#include "skin/painters/basic/scroll_bar.h"
#include "skin/painters/basic/scroll_bar_owner.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

// The bar along its own axes: "along" runs with the bar (y of a vertical bar), "across" over it.
struct BarAxes {
    bool vertical;
    // A point or size given as (across, along) in drawing coordinates.
    FloatPoint At(float across, float along) const { return vertical ? FloatPoint{across, along} : FloatPoint{along, across}; }
};

void FillGradient(GraphicsObject& graphics, const PathObject& path, FloatPoint from, FloatPoint to, Argb start,
                  Argb end) {
    LinearGradientBrushObject brush;
    if (LinearBrush_Create(brush, from, to, start, end)) Graphics_FillPath(graphics, brush, path);
}

void Outline(GraphicsObject& graphics, const PathObject& path, Argb colour) {
    PenObject pen;
    if (Pen_Create(pen, colour, 1.0f, kUnitPixel)) Graphics_DrawPath(graphics, pen, path);
}

void RoundRect(PathObject& path, const BarAxes& axes, float across, float along, float acrossSize, float alongSize,
               int diameter) {
    Path_Create(path);
    const FloatPoint at = axes.At(across, along), size = axes.At(acrossSize, alongSize);
    Path_AddRoundRect(path, at.x, at.y, size.x, size.y, diameter);
}

// The glyph centred across the button and in a 15-pixel run along the bar from runStart.
void DrawGlyph(GraphicsObject& graphics, ArrowGlyph kind, const BarAxes& axes, int buttonThickness,
               float runStart) {
    BitmapObject glyph;
    if (!Glyph_MakeArrow(kind, glyph)) return;
    const int gw = static_cast<int>(Image_Width(glyph)), gh = static_cast<int>(Image_Height(glyph));
    const int glyphAcross = axes.vertical ? gw : gh, glyphAlong = axes.vertical ? gh : gw;
    const int across = (buttonThickness - glyphAcross) / 2;
    const int along = static_cast<int>(runStart + (15.0f - static_cast<float>(glyphAlong)) / 2.0f);
    const FloatPoint at = axes.At(static_cast<float>(across), static_cast<float>(along));
    Graphics_DrawImage(graphics, glyph, at.x, at.y);
}

// One arrow plate, starting at plateStart along the bar and 15 pixels long, its inner highlight at innerStart
// and its glyph centred in the run from glyphStart.
struct ArrowPlace {
    float plateStart, innerStart, glyphStart;
};
void DrawArrow(GraphicsObject& graphics, const BarAxes& axes, int e, ArrowPlace place, bool hovered,
               ArrowGlyph kind) {
    const float plateStart = place.plateStart;
    const COLORREF theme = Skin_State().themeColour;
    PathObject plate;
    RoundRect(plate, axes, 1, plateStart, static_cast<float>(e - 3), 15, 5);
    if (hovered) {
        FillGradient(graphics, plate, axes.At(1, plateStart), axes.At(static_cast<float>(e - 2), plateStart),
                     Color_ToArgb(kWhite, 100), Color_ToArgb(theme, 150));
    }
    Outline(graphics, plate, Color_ToArgb(kBlack, 60));
    PathObject inner;
    RoundRect(inner, axes, 2, place.innerStart, static_cast<float>(e - 5), 12, 3);
    Outline(graphics, inner, Color_ToArgb(kWhite, 150));
    DrawGlyph(graphics, kind, axes, e, place.glyphStart);
}

void DrawThumb(GraphicsObject& graphics, const BarAxes& axes, float thickness, int e, int t0, int t1,
               bool hovered) {
    const COLORREF theme = Skin_State().themeColour;
    PathObject thumb;
    RoundRect(thumb, axes, (thickness - static_cast<float>(e)) / 2.0f + 1.0f, static_cast<float>(t0),
              static_cast<float>(e - 3), static_cast<float>(t1 - t0 - 1), 5);
    if (hovered) {
        SolidBrushObject brush;
        if (SolidBrush_Create(brush, Color_ToArgb(kWhite, 180))) Graphics_FillPath(graphics, brush, thumb);
    }
    const FloatPoint from = axes.At(1, static_cast<float>(t0)), to = axes.At(static_cast<float>(e - 2), static_cast<float>(t0));
    FillGradient(graphics, thumb, from, to, Color_ToArgb(kWhite, 150), Color_ToArgb(theme, 150));
    FillGradient(graphics, thumb, from, to, Color_ToArgb(kWhite, 0), Color_ToArgb(kWhite, 150));
    Outline(graphics, thumb, Color_ToArgb(kBlack, 100));
}

// The arrow buttons' thickness; a bar that reports none (some systems do for a disabled bar) is as thick as the
// companion, so its plates keep their shape.
int ButtonThickness(const SCROLLBARINFO& info, const BarAxes& axes, int w, int h) {
    return info.dxyLineButton > 0 ? info.dxyLineButton : (axes.vertical ? w : h);
}

void Paint(HWND companion, const SCROLLBARINFO& info, const BarAxes& axes, int w, int h, int hoverPart) {
    HDC dc = Skin_SnapshotBackground(companion, RECT{0, 0, w, h});
    if (!dc) return;
    {
        GraphicsObject graphics;
        if (Graphics_FromDC(graphics, dc)) {
            const int e = ButtonThickness(info, axes, w, h), t0 = info.xyThumbTop, t1 = info.xyThumbBottom;
            const bool enabled = !Scroll_BarDisabled(info);
            const float length = static_cast<float>(axes.vertical ? h : w);
            const float thickness = static_cast<float>(axes.vertical ? w : h);

            LinearGradientBrushObject trough;
            const FloatPoint troughEnd = axes.At(thickness, 0);
            if (LinearBrush_Create(trough, {0, 0}, troughEnd, Color_ToArgb(Skin_State().themeColour, 40),
                                   Color_ToArgb(kWhite))) {
                Graphics_FillRectangle(graphics, trough, 0, 0, static_cast<float>(w), static_cast<float>(h));
            }
            if (enabled) DrawThumb(graphics, axes, thickness, e, t0, t1, hoverPart == kScrollThumb);
            DrawArrow(graphics, axes, e, {1, 2, 2}, enabled && hoverPart == kScrollStartArrow,
                      axes.vertical ? ArrowGlyph::kUp : ArrowGlyph::kLeft);
            DrawArrow(graphics, axes, e, {length - 17, length - 15, length - 15}, enabled && hoverPart == kScrollEndArrow,
                      axes.vertical ? ArrowGlyph::kDown : ArrowGlyph::kRight);
        }
    }
    Skin_PresentControl(companion, dc);
    if (WindowDc target(companion); target.get()) BitBlt(target.get(), 0, 0, w, h, dc, 0, 0, SRCCOPY);
    MemDc_Release(dc);
}

}  // namespace

void Scroll_PaintBar(HWND control, int direction, int hoverPart) {
    const ScrollBarSlot slot = Scroll_FindSlot(control, direction);
    if (!slot.bar || !IsWindow(slot.bar)) return;
    RECT window{};
    GetWindowRect(slot.bar, &window);
    const int w = window.right - window.left, h = window.bottom - window.top;
    SCROLLBARINFO info;
    Scroll_BarInfo(control, direction, info);
    const bool vertical = direction == SB_VERT;
    const int e = ButtonThickness(info, BarAxes{vertical}, w, h), t0 = info.xyThumbTop, t1 = info.xyThumbBottom;
    // The rectangles the hit test reads: start arrow, end arrow, thumb.
    if (vertical) {
        *slot.geometry = {RECT{1, 1, w - 2, 17}, RECT{1, h - 17, w - 2, h - 1}, RECT{1, t0, e + 1, t1}};
    } else {
        *slot.geometry = {RECT{1, 1, 17, h - 2}, RECT{w - 17, 1, w - 4, h - 1}, RECT{t0, 1, t1, e + 1}};
    }
    if (w <= 0 || h <= 0) return;
    Paint(slot.bar, info, BarAxes{vertical}, w, h, hoverPart);
}
