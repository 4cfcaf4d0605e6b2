// Placeholder until this painter lands: nothing is registered.
#include "skin/painters/lists/list_painter.h"

void List_Register(int, HWND) {}
