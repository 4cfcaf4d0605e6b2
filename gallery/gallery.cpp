// skin-gallery: one dressed, resizable window holding every kind of control the skin paints, for looking at the
// painters and for testing them against real controls. The theme and options are the extractor's.
#include <windows.h>
#include <commctrl.h>

#include "gallery/gallery_controls.h"
#include "gallery/gallery_ids.h"
#include "gallery/gallery_toolbars.h"
#include "image/gdiplus_object.h"
#include "skin/core/dress_window.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "toolkit/dispatch.h"
#include "toolkit/resource_bytes.h"

namespace {

LRESULT OnCreate(HWND window, WPARAM, LPARAM) {
    Gallery_CreateControls(window);
    Gallery_CreateToolbars(window);
    Skin_SetTheme({}, Resource_Bytes(L"THEME_PICTURE"), {}, {}, kPictureStretched);
    Skin_SetOptions(1, 0, 0);
    DressParams params;
    params.resizable = 1;
    params.showTitle = 1;
    params.tintAlpha = 0;
    Skin_DressWindow(window, params);
    Gallery_DressLabels(window);
    return 0;
}

LRESULT OnDestroy(HWND, WPARAM, LPARAM) {
    PostQuitMessage(0);
    return 0;
}

constexpr MessageRoute kRoutes[] = {
    {WM_CREATE, OnCreate},
    {WM_DESTROY, OnDestroy},
};

LRESULT CALLBACK GalleryProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kRoutes, window, message, wParam, lParam, DefWindowProcW);
}

}  // namespace

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int show) {
    const INITCOMMONCONTROLSEX controls{sizeof controls, ICC_WIN95_CLASSES | ICC_DATE_CLASSES |
                                                             ICC_INTERNET_CLASSES | ICC_STANDARD_CLASSES};
    InitCommonControlsEx(&controls);
    if (!Skin_Startup()) return 1;

    WNDCLASSEXW wc{};
    wc.cbSize = sizeof wc;
    wc.lpfnWndProc = GalleryProc;
    wc.hInstance = instance;
    wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    wc.hIcon = LoadIconW(instance, L"DEFAULT_ICON");
    wc.lpszClassName = kGalleryClass;
    if (!RegisterClassExW(&wc)) return 1;

    HWND window = CreateWindowExW(WS_EX_APPWINDOW, kGalleryClass, kGalleryTitle,
                                  WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX, 40, 40, 800, 670, nullptr,
                                  nullptr, instance, nullptr);
    if (!window) return 1;
    ShowWindow(window, show);
    UpdateWindow(window);

    MSG msg;
    while (GetMessageW(&msg, nullptr, 0, 0) > 0) {
        if (IsDialogMessageW(window, &msg)) continue;
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }

    // Every window is gone: the records go first, then GDI+, which nothing uses any more.
    Skin_ClearRegistry();
    SkinState& state = Skin_State();
    if (state.gdiplusToken) {
        Gdiplus::GdiplusShutdown(state.gdiplusToken);
        state.gdiplusToken = 0;
    }
    return static_cast<int>(msg.wParam);
}
