// The skin's painter of track bars.
#pragma once

#include <windows.h>

// Registers the track bars among parent's children with the record at position n.
void TrackBar_Register(int n, HWND parent);

// The procedure that replaces a registered track bar's own.
LRESULT CALLBACK TrackBar_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Paints track bar `position` of the record at n: channel, selection band, filled part and thumb over the skin
// background. Nothing happens for a position outside the lists.
void TrackBar_Draw(int n, int position);
