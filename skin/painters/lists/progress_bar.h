// The skin's painter of progress bars.
#pragma once

#include <windows.h>

// Registers the progress bars among parent's children with the record at position n.
void Progress_Register(int n, HWND parent);

// The procedure that replaces a registered progress bar's own.
LRESULT CALLBACK Progress_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Paints progress bar `position` of the record at n onto dc, or onto the bar's whole-window DC when dc is null.
// Nothing happens for a position outside the lists.
void Progress_Draw(int n, int position, HDC dc = nullptr);
