// Edit boxes and combo boxes painted translucently by the skin.
#pragma once

#include <windows.h>

// Registers the edit boxes, then the combo boxes, of parent with the record at position n.
void EditCombo_Register(int n, HWND parent);
// A bitmap of control's client area holding the skin background veiled with white at the control fill alpha;
// owned by the caller. Null when control belongs to no dressed window.
HBITMAP Control_MakeBackdropBitmap(HWND control);
