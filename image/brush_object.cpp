#include "image/brush_object.h"

#include "image/image_object.h"
#include "image/path_object.h"

#include <vector>

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

namespace {

template <typename Kind, typename Create>
bool MakeBrush(BrushObject& brush, Create create) {
    return GdiPlus_Make(brush, [&](GpBrush** made) {
        Kind* created = nullptr;
        GpStatus status = create(&created);
        *made = created;
        return status;
    });
}

GpLineGradient* Line(LinearGradientBrushObject& brush) { return static_cast<GpLineGradient*>(brush.get()); }
GpPathGradient* PathGradient(PathGradientBrushObject& brush) { return static_cast<GpPathGradient*>(brush.get()); }

} // namespace

bool Brush_Clone(const BrushObject& brush, BrushObject& copy) {
    if (&brush == &copy) return false;
    return GdiPlus_Make(copy, [&](GpBrush** made) { return GdipCloneBrush(brush.get(), made); });
}

bool SolidBrush_Create(SolidBrushObject& brush, Argb colour) {
    return MakeBrush<GpSolidFill>(brush, [&](GpSolidFill** made) { return GdipCreateSolidFill(colour, made); });
}

bool LinearBrush_Create(LinearGradientBrushObject& brush, FloatPoint start, FloatPoint end, Argb startColour,
                        Argb endColour) {
    PointF from(start.x, start.y), to(end.x, end.y);
    return MakeBrush<GpLineGradient>(brush, [&](GpLineGradient** made) {
        return GdipCreateLineBrush(&from, &to, startColour, endColour, WrapModeTile, made);
    });
}

bool LinearBrush_SetPresetBlend(LinearGradientBrushObject& brush, std::span<const Argb> colours,
                                std::span<const float> positions) {
    // GDI+ reads as many positions as there are colours.
    if (colours.size() != positions.size() || colours.size() < 2) return GdiPlus_Record(InvalidParameter);
    return GdiPlus_Record(
        GdipSetLinePresetBlend(Line(brush), colours.data(), positions.data(), static_cast<INT>(colours.size())));
}

bool LinearBrush_SetLinearBlend(LinearGradientBrushObject& brush, float focus, float scale) {
    return GdiPlus_Record(GdipSetLineLinearBlend(Line(brush), focus, scale));
}

bool PathBrush_Create(PathGradientBrushObject& brush, const PathObject& path) {
    return MakeBrush<GpPathGradient>(
        brush, [&](GpPathGradient** made) { return GdipCreatePathGradientFromPath(path.get(), made); });
}

bool PathBrush_SetCenterColor(PathGradientBrushObject& brush, Argb colour) {
    return GdiPlus_Record(GdipSetPathGradientCenterColor(PathGradient(brush), colour));
}

bool PathBrush_SetSurroundColors(PathGradientBrushObject& brush, std::span<const Argb> colours,
                                 std::optional<int> count) {
    INT used = count.value_or(static_cast<INT>(colours.size()));
    if (used < 1 || static_cast<std::size_t>(used) > colours.size()) return GdiPlus_Record(InvalidParameter);
    return GdiPlus_Record(GdipSetPathGradientSurroundColorsWithCount(PathGradient(brush), colours.data(), &used));
}

bool PathBrush_SetFocusScales(PathGradientBrushObject& brush, float xScale, float yScale) {
    return GdiPlus_Record(GdipSetPathGradientFocusScales(PathGradient(brush), xScale, yScale));
}

bool TextureBrush_Create(TextureBrushObject& brush, const ImageObject& image, int wrapMode) {
    return MakeBrush<GpTexture>(brush, [&](GpTexture** made) {
        return GdipCreateTexture(image.get(), static_cast<WrapMode>(wrapMode), made);
    });
}
