// Labels (static text controls) drawn over the skin background with their own font, colour, alignment and an
// optional soft glow. The application dresses each label it wants after its window has been dressed; a dressed
// label draws its text afresh only when something may have changed and otherwise copies its picture back from the
// window's frame copy. User-interface thread only.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "toolkit/text.h"

// Dresses label, a control inside a dressed window: 1 when dressed, 0 when it belongs to no dressed window (or
// is a dressed window itself). An omitted option takes its default: font 宋体, 12 pixels, style 0, black text, no
// glow, horizontal alignment 0 (near), vertical alignment 1 (centred), one line. Alignments are GDI+
// StringAlignment values, the style GDI+ FontStyle bits. Dressing a label again gives its entry the new options.
int Skin_DressLabel(HWND label, std::optional<Text> fontName = {}, std::optional<int> fontSize = {},
                    std::optional<int> fontStyle = {}, std::optional<COLORREF> textColour = {},
                    std::optional<COLORREF> glowColour = {}, std::optional<int> alignment = {},
                    std::optional<int> lineAlignment = {}, std::optional<bool> wrap = {});

// The replacement procedure of a dressed label.
LRESULT CALLBACK Label_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

// Draws the label with text, or with its window text when none is given, onto the window and into the frame copy.
void Label_Paint(HWND window, std::optional<std::string_view> text = std::nullopt);
