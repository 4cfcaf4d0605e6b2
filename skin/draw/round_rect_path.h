// Rounded rectangle figures for filling, outlining and clipping.
#pragma once

#include "image/path_object.h"

// A closed rounded rectangle; the corner diameter is clamped to 1..100. The bottom-right arc is one pixel larger
// and sits one pixel up and left, so that an outline drawn with a one-pixel pen stays inside the rectangle there.
void Path_AddRoundRect(PathObject& path, float x, float y, float width, float height, int diameter);
// An open figure with rounded top corners and square bottom corners (a gloss band); filling closes it along the
// bottom. The diameter is taken as given.
void Path_AddTopRoundRect(PathObject& path, int x, int y, int width, int height, int diameter);
