// The frame of a dressed window: composing its picture (background, outline, title, caption buttons), presenting
// it, redrawing single pieces on screen, and the frame procedure that drives all of it. User-interface thread only.
#pragma once

#include <windows.h>

#include <string_view>

#include "image/gdiplus_object.h"

struct WindowSkinRecord;

// Width of the band along the window's edges that belongs to the frame; the title starts inside it.
inline constexpr int kFrameTitleLeft = 9;  // x0: frame border + 6
inline constexpr int kFrameTitleTop = 4;   // y0: frame border + 1
inline constexpr int kFrameTitleBoxHeight = 42;
inline constexpr int kFrameFadeSteps = 8;
inline constexpr int kFrameFadeStepOpacity = 30;
inline constexpr UINT kFrameFadeInterval = 20;  // ms

enum class CaptionLook { Normal, Pressed };

// Recomposes the frame picture of the record at position into frameDC, the title strip copy and frameCopyDC; with
// present, also clips the window to its rounded shape, puts the picture on screen and has the painted controls
// repaint. Clears frameDirty. Nothing happens for an unknown position or a window without client area.
void Frame_Compose(int position, bool present);
// Puts the stored frame picture on screen: through paintDc (children clipped out) while the frame has not been
// presented yet, else on a fresh whole-window DC. paintDc stays the caller's.
void Frame_PresentStored(int position, HDC paintDc);
// Redraws the title icon and text (the window's own text when text is null) in frameDC and on screen.
void Frame_DrawTitle(int position, const Text* text = nullptr);
// Redraws caption button `button` (1-based) in frameDC in the given look at hover opacity 0..240 and puts its box
// on screen. At opacity 0 the box is exactly as composed.
void Frame_DrawCaptionButton(int position, int button, CaptionLook look, int opacity);
// Sets the repaint flags of the window's containers, toolbars, labels and list-family controls.
void Frame_MarkControlsForRepaint(HWND window);

// The text box of the title for a window whose client area is clientWidth wide.
FloatRect Frame_TitleTextBox(const WindowSkinRecord& record, int clientWidth);
// The box a caption button's looks are redrawn in and put on screen: (rect x - 1, 1, width, height).
RECT Frame_CaptionButtonArea(const WindowSkinRecord& record, int button);

// Lays the caption buttons out against the right edge of the client area and moves their tooltip tools along.
void Frame_LayoutCaptionButtons(WindowSkinRecord& record);
// Whether a client point lies over the caption button group (with two pixels of slack on the left).
bool Frame_InButtonGroup(const WindowSkinRecord& record, int x, int y);
// The caption button (1-based) whose rectangle holds the client point strictly inside; 0 for none.
int Frame_ButtonAt(const WindowSkinRecord& record, int x, int y);

// The frame procedure installed on every dressed window.
LRESULT CALLBACK Frame_Procedure(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Frees the decoded caption sprites; before GDI+ is shut down.
void Frame_ReleaseCaches();

// Installs what the rest of the engine needs from the frame: the theme refresh and the release of whole-window
// copies through the memory DC table. Called by dressing and by every composition; cheap.
void Frame_InstallHooks();
