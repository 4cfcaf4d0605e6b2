#include "image/pen_object.h"

using namespace Gdiplus;
using namespace Gdiplus::DllExports;

bool Pen_Create(PenObject& pen, Argb colour, float width, int unit) {
    return GdiPlus_Make(pen, [&](GpPen** made) {
        return GdipCreatePen1(colour, width, static_cast<Unit>(unit), made);
    });
}

bool Pen_CreateFromBrush(PenObject& pen, const BrushObject& brush, float width, int unit) {
    return GdiPlus_Make(pen, [&](GpPen** made) {
        return GdipCreatePen2(brush.get(), width, static_cast<Unit>(unit), made);
    });
}

bool Pen_SetWidth(PenObject& pen, float width) { return GdiPlus_Record(GdipSetPenWidth(pen.get(), width)); }

bool Pen_Clone(const PenObject& pen, PenObject& copy) {
    if (&pen == &copy) return false;
    return GdiPlus_Make(copy, [&](GpPen** made) { return GdipClonePen(pen.get(), made); });
}
