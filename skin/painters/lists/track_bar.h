// The skin's painter of track bars.
#pragma once

#include <windows.h>

// Registers the track bars among parent's children with the record at position n.
void TrackBar_Register(int n, HWND parent);
