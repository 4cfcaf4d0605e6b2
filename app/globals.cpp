#include "app/globals.h"

#include "image/gdiplus_object.h"

#include "app/app.h"
#include "app/runtime.h"
#include "skin/core/dress_window.h"
#include "skin/core/frame.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/painters/basic/label_painter.h"
#include "skin/painters/basic/text_colour.h"
#include "toolkit/resource_bytes.h"

void App_CreateGlobals() {}

void App_StartSkin() { Skin_Startup(); }

// Runs once after the message loop, with every window gone: the records go first, then GDI+, which nothing uses
// any more.
void App_ReleaseGlobals() {
    Skin_ClearRegistry();
    Frame_ReleaseCaches();
    SkinState& state = Skin_State();
    if (state.gdiplusToken) {
        Gdiplus::GdiplusShutdown(state.gdiplusToken);
        state.gdiplusToken = 0;
    }
}

void App_OnMainWindowCreated() {
    Skin_SetTheme({}, Resource_Bytes(L"THEME_PICTURE"), {}, {}, kPictureStretched);
    Skin_SetOptions(1, 0, 0);
    DressParams params;
    params.resizable = 0;
    params.helpButton = 1;
    params.menuButton = 1;
    params.showTitle = 1;
    params.tintAlpha = 0;
    Skin_DressWindow(Runtime_Handle("窗口"), params);
    Skin_DressLabel(Runtime_Handle("标签1"), {}, {}, {}, 0xFF0000, 0xFFFFFF);
    Skin_DressLabel(Runtime_Handle("标签2"), {}, 20, {}, 0x0000FF);
    Skin_SetTextColor(Runtime_Handle("编辑框2"), 0xFFFF00);
}
