// Placeholder until this painter lands: nothing is registered.
#include "skin/painters/lists/progress_bar.h"

void Progress_Register(int, HWND) {}
