// The skin's painter of up-down controls.
#pragma once

#include <windows.h>

// Registers the up-down controls among parent's children with the record at position n.
void UpDown_Register(int n, HWND parent);
