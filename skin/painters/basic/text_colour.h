// The text colour a skinned control is drawn in, kept on the control in the window property Kj_Ztys.
#pragma once

#include <windows.h>

// Sets window's text colour (0x00BBGGRR); a combo box passes it to its edit field, and a combo box without one
// (a drop-down list) is left unchanged. The window need not be skinned; the colour shows at its next paint or
// colour message. Registering an edit or combo box resets its colour to black, so set it after dressing.
void Skin_SetTextColor(HWND window, COLORREF colour);
// The text colour kept on window; black when none was ever set.
COLORREF Control_TextColour(HWND window);
