// The skin's painter of toolbars: flat buttons drawn one by one over the skin background, glowing in the theme
// colour when hot, with separators, drop-down arrows, greyed icons and trimmed texts. A toolbar draws afresh only
// when something may have changed; otherwise it copies its last picture out of the window's frame copy. Toolbars
// keep their positions and procedure under the Kj_ properties, so that a toolbar hosting child windows can also be
// a container (container.h) with the Hw_ ones.
#pragma once

#include <windows.h>

// Registers the toolbars among parent's children with the record that owns them (n when parent belongs to it);
// a toolbar with child windows of its own becomes a container as well. Toolbars are looked for even while the skin
// leaves controls alone; they then paint as the system draws them.
void Toolbar_Register(int n, HWND parent);

// The replacement procedure of every registered toolbar.
LRESULT CALLBACK Toolbar_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws all buttons over the skin background, stores the picture in the frame copy, puts it on the toolbar and
// clears the entry's dirty mark.
void Toolbar_Draw(HWND window);

// Draws button index (0-based) of the toolbar onto dc, in the toolbar's client coordinates; hot gives it the hover
// look. Hidden buttons draw nothing.
void Toolbar_DrawButton(HWND window, int index, HDC dc, bool hot);

// Draws icon at (x, y) at its own size in grey: its black and grey pixels are left out, every other pixel becomes
// the grey of its brightness, with a red tint when state has TBSTATE_INDETERMINATE.
void Toolbar_DrawGreyIcon(HDC dc, int x, int y, HICON icon, BYTE state);
