// The gallery's toolbars: buttons of every state and style, with texts beside and below their icons, a wrapped
// second row, and a toolbar hosting an edit box and a combo box.
#pragma once

#include <windows.h>

// Creates the toolbars as children of window: one along the top under the title, the others along the bottom.
void Gallery_CreateToolbars(HWND window);
