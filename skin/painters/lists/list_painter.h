// The skin's painter of list boxes, list views, tree views, IP address and date pickers.
#pragma once

#include <windows.h>

// Registers the list boxes, list views, tree views, IP address and date pickers among parent's children with the record at position n.
void List_Register(int n, HWND parent);
