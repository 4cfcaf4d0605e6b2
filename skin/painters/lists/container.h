// Windows inside a dressed window that host controls of their own (a toolbar with an edit box on it): their
// children are skinned like a dressed window's, and the container's procedure answers their colour and
// notification messages the way the frame procedure does for a window's direct children. A container paints
// nothing itself; a toolbar container's pixels come from the toolbar painter behind it.
#pragma once

#include <windows.h>

// Registers window as a container of its dressed window and dresses its children. Nothing for a window that
// belongs to no dressed window or is a container already.
void Container_Register(HWND window);

// Undoes the registration of the container at containerPosition in the record at recordPosition: its procedure
// goes back, its entry leaves the list and the containers after it are renumbered.
void Container_Unregister(int recordPosition, int containerPosition);

// The replacement procedure of every container.
LRESULT CALLBACK Container_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
