// Edit boxes and combo boxes painted translucently by the skin. The system keeps drawing their text; the skin
// draws around it: a veiled frame ring with a one-pixel border for edit boxes (and companion scroll bars over
// their real ones), a veiled box with a rounded drop-down button for combo boxes, whose edit field or list stays
// the system's through the magenta colour key.
#pragma once

#include <windows.h>

#include <optional>

#include "image/graphics_object.h"

// The colour key of the combo box and edit frame pictures: pixels of this colour are left out when copied.
inline constexpr COLORREF kEditComboKey = 0xFF00FF;

// Registers the edit boxes, then the combo boxes, of parent with the record at position n. Nothing happens while
// the skin leaves controls alone (skinControls 0).
void EditCombo_Register(int n, HWND parent);
// A bitmap of control's client area holding the skin background veiled with white at the control fill alpha;
// owned by the caller. Null when control belongs to no dressed window.
HBITMAP Control_MakeBackdropBitmap(HWND control);
// Replaces the pattern brush (Kj_dxjb) and bitmap (Kj_wtjb) kept on control by a fresh one made from
// Control_MakeBackdropBitmap and gives the brush; the ones held before are deleted. Null, with nothing kept, when
// no backdrop can be made.
HBRUSH Control_RenewBackdropBrush(HWND control);
// Deletes the brush and bitmap kept on control for its colour answers and clears both properties.
void Control_DropBackdropBrush(HWND control);

LRESULT CALLBACK Edit_WindowProc(HWND edit, UINT message, WPARAM wParam, LPARAM lParam);
LRESULT CALLBACK Combo_WindowProc(HWND combo, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the edit box's non-client ring (border and scroll bar area) onto its window and into the whole-window
// copy. focused not given: the entry's focus; hovered not given: not hovered.
void Edit_PaintFrame(HWND edit, std::optional<bool> focused = {}, std::optional<bool> hovered = {});
// The one-pixel border (two pixels for a hovered edge-style box) on graphics, which covers the edit's window.
void Edit_DrawBorder(HWND edit, bool focused, bool hovered, GraphicsObject& graphics);
// The veiled background of the edit's client area: into dc at (0, 0) when intoDc, else onto the edit's window DC
// at the client area's place.
void Edit_PaintBackground(HWND edit, HDC dc, bool intoDc);
// Repaints a registered combo box. hovered not given: not hovered; focused not given: the entry's focus.
void Combo_Paint(HWND combo, std::optional<bool> hovered = {}, std::optional<bool> focused = {});
