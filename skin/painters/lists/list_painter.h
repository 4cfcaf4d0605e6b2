// The skin's painter of list boxes, list views, tree views, IP address and date pickers: a painted frame ring,
// companion scroll bars over the real ones and, with translucent controls, the skin background behind the items.
#pragma once

#include <windows.h>

#include <optional>

// The hover owner code of this painter in a window record's hoverKind.
inline constexpr int kListHoverKind = 4;
// Posted to a list while an arrow key is held: with translucent controls it repaints from the control.
inline constexpr UINT kListArrowRepaint = 0x8002;

// Registers the list boxes, list views, tree views, IP address and date pickers among parent's children with the record
// at position n.
void List_Register(int n, HWND parent);

// The replacement procedure of every registered list control.
LRESULT CALLBACK List_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints the frame ring of entry `entry` of record n's listControls; hover and focus default to the entry's own
// hovered and focused fields. Borderless controls and combo lists get no ring.
void List_DrawFrame(int n, int entry, std::optional<int> hover = {}, std::optional<int> focus = {});

// A memory DC of window's client area holding the skin background veiled with white at controlFillAlpha; the
// caller frees it with MemDc_Release. 0 when the window belongs to no dressed window.
HDC List_MakeBackground(HWND window);
