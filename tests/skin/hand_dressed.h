// A dressed window's record made by hand, for painter tests that need the record but not the frame: the window,
// its composed size and the two surfaces the painters read and present into.
#pragma once

#include <windows.h>

#include <memory>

#include "skin/core/skin_registry.h"
#include "skin/core/window_skin_record.h"

// Appends a record for window (width x height) with frame as frameDC and copy as frameCopyDC, and marks the window
// with its position, as dressing does. Gives the position. The record owns the two DCs from now on unless the test
// clears them from it before the registry is cleared.
inline int HandDressed_Append(HWND window, int width, int height, HDC frame, HDC copy) {
    auto record = std::make_unique<WindowSkinRecord>();
    record->window = window;
    record->composedWidth = width;
    record->composedHeight = height;
    record->frameDC = frame;
    record->frameCopyDC = copy;
    const int position = Skin_AppendRecord(std::move(record));
    Prop_SetInt(window, SkinProp::kListId, position);
    return position;
}
