// Paths: figures of lines, arcs, rectangles and ellipses to fill, outline or clip to.
#pragma once

#include "image/gdiplus_object.h"

#include <optional>

class PathObject : public GdiPlusObject<Gdiplus::GpPath*, Gdiplus::DllExports::GdipDeletePath> {};

// An empty path; fillMode is the GDI+ fill mode, alternate (0) by default.
bool Path_Create(PathObject& path, std::optional<int> fillMode = {});
bool Path_Reset(PathObject& path);
bool Path_CloseFigure(PathObject& path);
bool Path_AddLine(PathObject& path, float x1, float y1, float x2, float y2);
// An arc of the ellipse in the box (x, y, width, height), from startAngle over sweepAngle degrees.
bool Path_AddArc(PathObject& path, float x, float y, float width, float height, float startAngle, float sweepAngle);
bool Path_AddRectangle(PathObject& path, float x, float y, float width, float height);
bool Path_AddEllipse(PathObject& path, float x, float y, float width, float height);
bool Path_Clone(const PathObject& path, PathObject& copy);
