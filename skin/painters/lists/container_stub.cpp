// Placeholder until containers land.
#include "skin/painters/lists/container.h"

void Container_Register(HWND) {}
