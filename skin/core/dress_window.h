// Turning an ordinary top-level window into a dressed one: its record, caption buttons, child controls and the
// frame procedure.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

#include "toolkit/text.h"

// Every parameter is optional; an omitted one differs from a given 0 where noted.
struct DressParams {
    std::optional<int> titleHeight;      // at least 25; omitted: 25
    std::optional<int> titleBar;         // omitted: title bar without tooltip; given nonzero: with tooltip
    std::optional<int> resizable;        // omitted: 1
    std::optional<int> helpButton;       // omitted: 0
    std::optional<int> menuButton;       // omitted: 0
    std::optional<int> showTitle;        // omitted: 1
    std::optional<int> titleGloss;       // omitted: 0
    std::optional<int> statusBarHeight;  // accepted and ignored: no status strip is drawn
    std::vector<Text> statusBarItems;    // accepted and ignored
    Bytes picture;                       // the window's own background picture; empty: the theme's
    std::optional<int> pictureMode;      // omitted: the theme's mode
    std::optional<int> tintColour;       // omitted: -1
    std::optional<int> tintAlpha;        // omitted: 255
    std::optional<int> noCloseButton;    // nonzero: no close button
};

// Dresses window once; a window already dressed is left alone.
void Skin_DressWindow(HWND window, const DressParams& params = {});
