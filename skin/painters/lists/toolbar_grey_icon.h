// Greying an image straight out of a toolbar's image list, without making an icon of it first.
#pragma once

#include <windows.h>
#include <commctrl.h>

// What Toolbar_DrawGreyIcon does for an icon, for image index of list.
void Toolbar_DrawGreyImage(HDC dc, int x, int y, HIMAGELIST list, int index, BYTE state);
