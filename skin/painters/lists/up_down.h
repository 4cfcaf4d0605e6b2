// The skin's painter of up-down controls.
#pragma once

#include <windows.h>

#include <optional>

// Registers the up-down controls among parent's children with the record at position n.
void UpDown_Register(int n, HWND parent);

// The procedure that replaces a registered up-down control's own.
LRESULT CALLBACK UpDown_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Paints up-down control `position` of the record at n. What is not given comes from the entry: hover from
// hovered, pressed from pressed, point (client x in the low word, y in the high word) from lastButtonPoint.
// Nothing happens for a position outside the lists.
void UpDown_Draw(int n, int position, std::optional<int> hover = {}, std::optional<int> pressed = {},
                 std::optional<LPARAM> point = {});
// Which half lies under point: 1 beyond the middle (below it, or right of it for UDS_HORZ), 0 otherwise. The
// middle line itself belongs to the first half. 0 for a position outside the lists.
int UpDown_HalfAtPoint(int n, int position, LPARAM point);
