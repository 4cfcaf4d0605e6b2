// The skin's painter of headers, stand-alone and inside list views.
#pragma once

#include <windows.h>

// Registers the headers, stand-alone and inside list views among parent's children with the record at position n.
void Header_Register(int n, HWND parent);
