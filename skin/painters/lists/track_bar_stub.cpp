// Placeholder until this painter lands: nothing is registered.
#include "skin/painters/lists/track_bar.h"

void TrackBar_Register(int, HWND) {}
