// Placeholder until this painter lands: nothing is registered.
#include "skin/painters/lists/toolbar_painter.h"

void Toolbar_Register(int, HWND) {}
