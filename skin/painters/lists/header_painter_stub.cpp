// Placeholder until this painter lands: nothing is registered.
#include "skin/painters/lists/header_painter.h"

void Header_Register(int, HWND) {}
