// The off-screen picture every bar painter composes its control in: the whole control window over the skin
// background behind it, drawn with GDI+, then stored into the dressed window's copy and put on screen with one
// blit, so that no intermediate state is ever seen.
#pragma once

#include <windows.h>

#include "image/graphics_object.h"

class BarCanvas {
public:
    // A picture as large as control's window rectangle holding the composed frame behind it. Not ok() when the
    // control belongs to no dressed window or has no size.
    explicit BarCanvas(HWND control);
    ~BarCanvas();
    BarCanvas(const BarCanvas&) = delete;
    BarCanvas& operator=(const BarCanvas&) = delete;

    bool ok() const { return dc_ != nullptr && graphics_; }
    int width() const { return width_; }
    int height() const { return height_; }
    GraphicsObject& graphics() { return graphics_; }

    // Finishes the drawing, stores the picture over the control's window rectangle in frameCopyDC and copies it to
    // (0, 0) of target, or of the control's whole-window DC when target is null.
    void Present(HDC target = nullptr);

private:
    HWND control_;
    int width_ = 0, height_ = 0;
    HDC dc_ = nullptr;
    GraphicsObject graphics_;
};
