// Push buttons, check boxes and radio buttons painted by the skin. Push buttons become owner-drawn and are painted
// from their parent's WM_DRAWITEM; check boxes and radio buttons keep their styles and are painted by the shared
// button procedure. User-interface thread only.
#pragma once

#include <windows.h>

#include "toolkit/text.h"

// Kinds of a button entry.
inline constexpr int kButtonPush = 0;
inline constexpr int kButtonRadio = 4;
inline constexpr int kButtonCheck = 5;

// The check box glyph: a 13 x 12 RGBA PNG.
inline constexpr int kCheckGlyphWidth = 13;
inline constexpr int kCheckGlyphHeight = 12;
extern const unsigned char kCheckGlyphPng[];
extern const unsigned kCheckGlyphPngSize;

// A window's font as GDI+ sees it: family, size in pixels (truncated), FontStyle bits.
struct ControlFont {
    Text family;
    int size = 0;
    int style = 0;
};

// Registers the push buttons of parent (BS_PUSHBUTTON, BS_DEFPUSHBUTTON, BS_USERBUTTON) with the record at
// position n and makes them owner-drawn. Nothing while the skin leaves controls alone.
void Button_Register(int n, HWND parent);
// Registers the check boxes (BS_CHECKBOX, BS_AUTOCHECKBOX, BS_PUSHBOX) and automatic radio buttons of parent with
// the record at position n; their styles stay. Nothing while the skin leaves controls alone.
void Button_RegisterChecks(int n, HWND parent);

// The font the window answers to WM_GETFONT; ("宋体", 12, 0) when it has none. An empty family reads as "宋体"
// and a size of (nearly) zero as 12.
ControlFont Control_ReadFont(HWND window);

// The replacement procedure of every registered button.
LRESULT CALLBACK Button_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);
// Repaints a registered button outside WM_PAINT in the given ODS_ state, hovered when hover is set.
void Button_Repaint(HWND window, UINT itemState, bool hover);

// Paints a registered push button on dc from an owner-draw request (ODS_SELECTED, ODS_DISABLED, ODS_FOCUS,
// ODS_HOTLIGHT of itemState); rect is the button's client rectangle.
void Button_PaintPush(HWND button, HDC dc, UINT itemState, const RECT& rect);
// Paint a registered radio button or check box onto its window (ODS_HOTLIGHT gives the hover halo); both are
// always drawn in their enabled look.
void Button_PaintRadio(HWND button, UINT itemState);
void Button_PaintCheck(HWND button, UINT itemState);
// A dressed window's or container's WM_DRAWITEM: paints a registered push button, leaves every other item alone.
void Button_RelayDrawItem(const DRAWITEMSTRUCT* item);

// The check glyph recoloured to the theme colour, as PNG bytes; empty when GDI+ could not make it.
Bytes Button_MakeCheckGlyph();
