#include "image/path_object.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool Path_Create(PathObject& path, std::optional<int> fillMode) {
    return GdiPlus_Make(path, [&](GpPath** made) {
        return GdipCreatePath(static_cast<FillMode>(fillMode.value_or(FillModeAlternate)), made);
    });
}

bool Path_Reset(PathObject& path) { return GdiPlus_Record(GdipResetPath(path.get())); }

bool Path_CloseFigure(PathObject& path) { return GdiPlus_Record(GdipClosePathFigure(path.get())); }

bool Path_AddLine(PathObject& path, float x1, float y1, float x2, float y2) {
    return GdiPlus_Record(GdipAddPathLine(path.get(), x1, y1, x2, y2));
}

bool Path_AddArc(PathObject& path, float x, float y, float width, float height, float startAngle, float sweepAngle) {
    return GdiPlus_Record(GdipAddPathArc(path.get(), x, y, width, height, startAngle, sweepAngle));
}

bool Path_AddRectangle(PathObject& path, float x, float y, float width, float height) {
    return GdiPlus_Record(GdipAddPathRectangle(path.get(), x, y, width, height));
}

bool Path_AddEllipse(PathObject& path, float x, float y, float width, float height) {
    return GdiPlus_Record(GdipAddPathEllipse(path.get(), x, y, width, height));
}

bool Path_Clone(const PathObject& path, PathObject& copy) {
    if (&path == &copy) return false;
    return GdiPlus_Make(copy, [&](GpPath** made) { return GdipClonePath(path.get(), made); });
}
