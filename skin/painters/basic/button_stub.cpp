// Placeholder until the button painter lands: nothing is registered or drawn.
#include "skin/painters/basic/button_painter.h"

void Button_Register(int, HWND) {}
void Button_RegisterChecks(int, HWND) {}
void Button_PaintPush(HWND, HDC, UINT, const RECT&) {}
void Button_RelayDrawItem(const DRAWITEMSTRUCT*) {}
