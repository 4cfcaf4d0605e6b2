// The skin's painter of toolbars.
#pragma once

#include <windows.h>

// Registers the toolbars among parent's children with the record at position n.
void Toolbar_Register(int n, HWND parent);
