// The process-wide table of off-screen memory DCs: each listed DC owns the bitmap selected into it, and the table
// gives the DC its original object back before it destroys both. User-interface thread only.
#pragma once

#include <windows.h>

// Lists dc with the bitmap selected into it and the object that bitmap displaced. A DC already listed takes the
// new bitmap and object; when the object given is the listed bitmap (the caller swapped bitmaps, or lists the
// same one again), the DC's original object stays the one to restore and a displaced bitmap is deleted.
void MemDc_Register(HDC dc, HBITMAP bitmap, HGDIOBJ previous);
// 1 when dc was listed and is now destroyed together with its bitmap, 0 otherwise (a null DC included).
int MemDc_Release(HDC dc);
// How many DCs are listed.
int MemDc_Count();
