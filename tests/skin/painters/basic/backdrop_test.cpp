// The cheap repaint from the frame copy: when a control must really repaint, and that copying the frame copy onto
// a dressed window leaves the children the skin does not paint alone.
#include "skin/core/skin_registry.h"
#include "skin/draw/backdrop.h"
#include "tests/skin/painters/basic/painted_window.h"
#include "tests/support/gdi_probe.h"

#include <gtest/gtest.h>

namespace {

TEST(Backdrop, NeedsRedrawFollowsTheOwningWindowsState) {
    PaintedWindow host;
    HWND control = host.Child(L"STATIC", L"", 0, 10, 10, 20, 20);
    struct Case {
        const char* name;
        LONG_PTR owner;  // Hw_FuID, or Kj_FuID for the toolbar case
        bool toolbar;
        int active, moving, sizing;
        int expected;
    };
    const int n = host.position();
    const Case cases[] = {
        {"no record", 0, false, 1, 0, 0, 0},
        {"position past the registry", n + 1, false, 1, 0, 0, 0},
        {"active", n, false, 1, 0, 0, 1},
        {"inactive", n, false, 0, 0, 0, 0},
        {"moved, not sized, active", n, false, 1, 1, 0, 0},
        {"moved and sized, inactive", n, false, 0, 1, 1, 1},
        {"sized, not moved, inactive", n, false, 0, 0, 1, 0},
        {"toolbar properties", n, true, 1, 0, 0, 1},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        RemovePropW(control, SkinProp::kOwnerId);
        RemovePropW(control, SkinProp::kToolbarOwnerId);
        Prop_SetInt(control, c.toolbar ? SkinProp::kToolbarOwnerId : SkinProp::kOwnerId, c.owner);
        host.record().active = c.active, host.record().moving = c.moving, host.record().sizing = c.sizing;
        EXPECT_EQ(Skin_NeedsRedraw(control, c.toolbar), c.expected);
    }
}

// A child window that paints itself one colour and that the skin does not paint.
LRESULT CALLBACK SolidProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window, &paint);
        HBRUSH green = CreateSolidBrush(RGB(0, 255, 0));
        FillRect(dc, &paint.rcPaint, green);
        DeleteObject(green);
        EndPaint(window, &paint);
        return 0;
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(Backdrop, ClippingAllChildrenKeepsTheUnskinnedOnes) {
    WNDCLASSW wc{};
    wc.lpfnWndProc = SolidProc;
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.lpszClassName = L"ShibeiSolidChild";
    RegisterClassW(&wc);
    PaintedWindow host;
    host.Child(L"ShibeiSolidChild", L"", 0, 20, 20, 60, 40);  // not painted by the skin
    HWND skinned = host.Child(L"ShibeiSolidChild", L"", 0, 120, 20, 60, 40);
    Prop_SetInt(skinned, SkinProp::kOwnerId, host.position());
    UpdateWindow(host.window());
    Pump();
    host.FillCopy({0, 0, PaintedWindow::kWidth, PaintedWindow::kHeight}, 0x00FF00FF);

    Skin_BlitBackdrop(host.window(), false, true);
    DibSurface screen(PaintedWindow::kWidth, PaintedWindow::kHeight);
    {
        HDC dc = GetDC(host.window());
        BitBlt(screen.dc(), 0, 0, PaintedWindow::kWidth, PaintedWindow::kHeight, dc, 0, 0, SRCCOPY);
        ReleaseDC(host.window(), dc);
    }
    EXPECT_EQ(screen.At(50, 40), 0x0000FF00u) << "the unskinned child keeps its pixels";
    EXPECT_EQ(screen.At(150, 40), 0x00FF00FFu) << "the skinned child is covered by the copy";
    EXPECT_EQ(screen.At(5, 5), 0x00FF00FFu);

    // A DC handed in is released, not leaked, when a fresh clipped one is taken instead.
    const int before = Gdi_Headroom();
    for (int i = 0; i < 200; ++i) Skin_BlitBackdrop(host.window(), false, true, GetDC(host.window()));
    EXPECT_GE(Gdi_Headroom(), before - 2);
}

}  // namespace
