// Placeholder until the scroll bar painter lands.
#include "skin/painters/basic/scroll_bar.h"

void Scroll_PaintBar(HWND, int, int) {}
