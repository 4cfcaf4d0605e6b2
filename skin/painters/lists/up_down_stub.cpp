// Placeholder until this painter lands: nothing is registered.
#include "skin/painters/lists/up_down.h"

void UpDown_Register(int, HWND) {}
