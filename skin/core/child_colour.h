// What a dressed window and a container do for their child controls: colour answers that let the skin background
// show through, and repaints after notifications that change a child's look. Both only act while the skin paints
// controls translucently (skinControls and translucentControls); otherwise the message goes on unchanged.
#pragma once

#include <windows.h>

// Answers WM_CTLCOLORSTATIC, WM_CTLCOLOREDIT, WM_CTLCOLORBTN and WM_CTLCOLORLISTBOX (wParam the child's DC, lParam
// the child). True with the brush to return in brush; false when the message is to be passed on (the skin is off,
// the edit part of a combo box, an owner-drawn or other list, no backdrop could be made).
bool Skin_AnswerChildColour(UINT message, WPARAM wParam, LPARAM lParam, LRESULT& brush);

// Handles a child's WM_COMMAND notification: edit boxes, list boxes and combo boxes repaint after changes that
// leave stale pixels, and an edit box's companion scroll bars follow a change of its text. The message is then
// passed on by the caller whatever happened here.
void Skin_RelayChildCommand(WPARAM wParam, LPARAM lParam);

// Handles a child's WM_NOTIFY: a tree view that expands or collapses an item draws its items afresh over the
// background. The message is then passed on by the caller.
void Skin_RelayChildNotify(const NMHDR& header);

// Deletes the brushes and bitmaps the colour answers left with the direct children of parent. Called on the
// parent's WM_DESTROY, while the children and their properties still exist.
void Skin_DropChildColourObjects(HWND parent);
