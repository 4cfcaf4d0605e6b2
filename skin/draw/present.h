// The two ends of every control repaint: a snapshot of the skin background behind a control, and presenting the
// painted control into its dressed window's whole-window copy (frameCopyDC), which always matches the screen.
#pragma once

#include <windows.h>

// A memory DC (32-bit DIB) holding the composed frame behind area (the control's window coordinates), listed in
// the memory DC table; the caller paints on it and releases it with MemDc_Release. 0, with nothing created, when
// the control belongs to no dressed window or the area is empty.
HDC Skin_SnapshotBackground(HWND control, const RECT& area);

// Copies painted (from its origin) into the control's place in frameCopyDC of its record (Kj_FuID when
// toolbarOwner, else Hw_FuID, else the window's own Hw_lbID): the whole window rectangle when wholeWindow, else the
// client area with its scroll bars. The control's visible, non-transparent children are left out.
void Skin_PresentControl(HWND control, HDC painted, bool toolbarOwner = false, bool wholeWindow = false);
// The same for the whole window rectangle, leaving out the pixels of painted that have the key colour.
void Skin_PresentControlKeyed(HWND control, HDC painted, COLORREF key, bool toolbarOwner = false);
