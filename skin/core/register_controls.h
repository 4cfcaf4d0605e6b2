// Hands the direct child controls of a window being dressed to their painters.
#pragma once

#include <windows.h>

// Registers the children of window with the record at position n, kind by kind in a fixed order; a container's
// children are dressed the same way (window is then the container). While the skin leaves controls alone only
// toolbars are still looked for.
void Skin_RegisterChildControls(int n, HWND window);
