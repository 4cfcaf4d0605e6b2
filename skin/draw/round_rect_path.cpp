#include "skin/draw/round_rect_path.h"

#include <algorithm>

void Path_AddRoundRect(PathObject& path, float x, float y, float width, float height, int diameter) {
    const float d = static_cast<float>(std::clamp(diameter, 1, 100));
    const float right = x + width, bottom = y + height;
    Path_AddArc(path, right - d, y, d, d, 270, 90);
    Path_AddArc(path, right - d - 1, bottom - d - 1, d + 1, d + 1, 0, 90);
    Path_AddArc(path, x, bottom - d, d, d, 90, 90);
    Path_AddArc(path, x, y, d, d, 180, 90);
    Path_CloseFigure(path);
}

void Path_AddTopRoundRect(PathObject& path, int x, int y, int width, int height, int diameter) {
    const float left = static_cast<float>(x), top = static_cast<float>(y);
    const float right = static_cast<float>(x + width), bottom = static_cast<float>(y + height);
    const float d = static_cast<float>(diameter);
    Path_AddLine(path, left, bottom, left, top + d);
    Path_AddArc(path, left, top, d, d, 180, 90);
    Path_AddLine(path, left + d, top, right - d, top);
    Path_AddArc(path, right - d, top, d, d, 270, 90);
    Path_AddLine(path, right, top + d, right, bottom);
}
