// The list painter's pieces shared between its procedure and its drawing files.
#pragma once

#include <windows.h>

#include "skin/core/window_skin_record.h"

// The entry of a registered list control and its record, both null when its properties name none.
struct ListTarget {
    WindowSkinRecord* record = nullptr;
    ListEntry* entry = nullptr;
    int recordPosition = 0;
    int entryPosition = 0;
    explicit operator bool() const { return entry != nullptr; }
};
ListTarget List_Target(HWND window);

// Whether window's class is className (compared without regard to case).
inline bool List_IsClass(HWND window, const wchar_t* className) {
    wchar_t name[256] = {};
    GetClassNameW(window, name, 256);
    return lstrcmpiW(name, className) == 0;
}

// WM_PAINT of a registered list control.
LRESULT List_Paint(HWND window, WPARAM wParam, LPARAM lParam);

// Hover: WM_MOUSEMOVE and WM_MOUSELEAVE of a registered list control (the messages are passed on by the caller).
void List_TrackMouseMove(HWND window);
void List_MouseLeft(HWND window);

// Repaints the control's companion bar in direction (SB_VERT, SB_HORZ) with part highlighted, when the control has
// that scroll style and the entry holds a companion.
void List_PaintBar(HWND window, const ListEntry& entry, int direction, int part);
void List_PaintBothBars(HWND window, const ListEntry& entry);
