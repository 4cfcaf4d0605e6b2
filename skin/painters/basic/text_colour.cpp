#include "skin/painters/basic/text_colour.h"

#include "skin/core/skin_registry.h"
#include "skin/core/window_skin_record.h"
#include "skin/draw/geometry.h"

void Skin_SetTextColor(HWND window, COLORREF colour) {
    if (!window) return;
    if (lstrcmpiA(Window_GetClassName(window).c_str(), "ComboBox") == 0) {
        window = FindWindowExW(window, nullptr, L"Edit", nullptr);
        if (!window) return;
    }
    Prop_SetInt(window, SkinProp::kTextColour, static_cast<LONG_PTR>(colour));
}

COLORREF Control_TextColour(HWND window) {
    return static_cast<COLORREF>(Prop_GetInt(window, SkinProp::kTextColour) & 0xFFFFFFFF);
}
