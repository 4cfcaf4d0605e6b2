// Placeholder until the edit and combo box painter lands.
#include "skin/painters/basic/edit_combo.h"

void EditCombo_Register(int, HWND) {}
HBITMAP Control_MakeBackdropBitmap(HWND) { return nullptr; }
