// The controls the gallery shows: one or more of every kind the skin paints, laid out in columns. The band along
// the top under the title is left free for toolbars.
#pragma once

#include <windows.h>

// Creates every control as a child of window.
void Gallery_CreateControls(HWND window);
// Dresses the labels with the label painter (plain and centred white text with a black glow).
void Gallery_DressLabels(HWND window);
