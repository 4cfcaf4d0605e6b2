// The skin's painter of headers, stand-alone and inside list views: every column becomes a translucent gradient
// tile over the skin background with a soft separator, its image and its text; headers with HDS_BUTTONS also show
// the item under the mouse and the item being pressed.
#pragma once

#include <windows.h>

#include <string_view>

// The hover owner code of this painter in a window record's hoverKind.
inline constexpr int kHeaderHoverKind = 9;

// Registers the headers, stand-alone and inside list views among parent's children with the record at position n.
void Header_Register(int n, HWND parent);

// The replacement procedure of every registered header.
LRESULT CALLBACK Header_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Paints every item of entry `entry` of record n's headers onto the header and into frameCopyDC. Nothing when
// either position names no entry or the header has no items. A list view's last column is stretched to the list
// view's right edge.
void Header_Draw(int n, int entry);

// The 1-based item whose hit zone holds the x coordinate in the low word of lParam (signed); 0 for none. The five
// pixels at both edges of every item belong to the divider, not to the item.
int Header_ItemAtPoint(int n, int entry, LPARAM lParam);

// Width in pixels of text (code page 936) in the GDI+ font of that family, size (pixels, as Control_ReadFont
// reports it) and style bits: the measured box width truncated, plus 1. 0 when no font can be made.
int Skin_MeasureTextWidth(std::string_view text, std::string_view fontName, int fontSize, int fontStyle);
