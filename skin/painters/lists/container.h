// Windows inside a dressed window that host controls of their own (a toolbar with an edit box on it): their
// children are skinned like a dressed window's.
#pragma once

#include <windows.h>

// Registers window as a container of its dressed window and dresses its children.
void Container_Register(HWND window);
