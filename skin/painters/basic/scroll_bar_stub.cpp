// Placeholder until the scroll bar painter lands.
#include "skin/painters/basic/scroll_bar.h"

HWND Scroll_CreateBar(HWND, int, bool) { return nullptr; }
void Scroll_PaintBar(HWND, int, int) {}
void Scroll_SyncBars(HWND) {}
int Scroll_HitTest(HWND, int, LPARAM) { return kScrollNone; }
