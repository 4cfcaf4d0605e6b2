// The skin's painter of progress bars.
#pragma once

#include <windows.h>

// Registers the progress bars among parent's children with the record at position n.
void Progress_Register(int n, HWND parent);
