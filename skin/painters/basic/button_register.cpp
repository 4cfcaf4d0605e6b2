// Taking over a window's buttons: which button types the skin paints, their entries, and the font query that the
// other painters share.
#include <cmath>

#include "image/font_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/geometry.h"
#include "skin/draw/text_effects.h"
#include "skin/painters/basic/button_painter.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr int kDefaultFontSize = 12;

// The button type is the low four bits of the style.
LONG ButtonType(HWND button) { return GetWindowLongW(button, GWL_STYLE) & 0xF; }

bool IsPushType(LONG type) { return type == BS_PUSHBUTTON || type == BS_DEFPUSHBUTTON || type == BS_USERBUTTON; }
bool IsCheckType(LONG type) { return type == BS_CHECKBOX || type == BS_AUTOCHECKBOX || type == BS_PUSHBOX; }
bool IsRadioType(LONG type) { return type == BS_AUTORADIOBUTTON; }

ButtonEntry* Register(int n, HWND button, int kind) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return nullptr;
    const int position = Skin_RegisterControl(n, record->buttons, button, Button_WindowProc);
    if (!position) return nullptr;
    ButtonEntry& entry = record->buttons[position - 1];
    entry.kind = kind;
    entry.text = Window_GetText(button);
    const ControlFont font = Control_ReadFont(button);
    entry.fontName = font.family;
    entry.fontSize = font.size;
    entry.fontStyle = font.style;
    return &entry;
}

}  // namespace

void Button_Register(int n, HWND parent) {
    if (!Skin_State().skinControls || !Skin_RecordAt(n)) return;
    Skin_ForEachChildOfClass(parent, L"BUTTON", [&](HWND button) {
        if (!IsPushType(ButtonType(button))) return;
        if (Skin_FindEntry(Skin_RecordAt(n)->buttons, button)) return;  // registered before: keeps its entry
        if (!Register(n, button, kButtonPush)) return;
        SetWindowLongW(button, GWL_STYLE, GetWindowLongW(button, GWL_STYLE) | BS_OWNERDRAW);
    });
}

void Button_RegisterChecks(int n, HWND parent) {
    if (!Skin_State().skinControls || !Skin_RecordAt(n)) return;
    Skin_ForEachChildOfClass(parent, L"BUTTON", [&](HWND button) {
        const LONG type = ButtonType(button);
        if (IsCheckType(type)) Register(n, button, kButtonCheck);
        else if (IsRadioType(type)) Register(n, button, kButtonRadio);
    });
}

ControlFont Control_ReadFont(HWND window) {
    ControlFont result{kDefaultTextFace, kDefaultFontSize, 0};
    const auto gdiFont = reinterpret_cast<HFONT>(SendMessageW(window, WM_GETFONT, 0, 0));
    if (!gdiFont) return result;
    FontObject font;
    {
        WindowDc dc(window);
        if (!dc.get() || !Font_FromDC(font, dc.get(), gdiFont)) return result;
    }
    const float size = Font_GetSize(font);
    if (std::fabs(size) > 1e-7f) result.size = static_cast<int>(size);
    result.style = Font_GetStyle(font);
    FontFamilyObject family;
    if (Font_GetFamily(font, family)) {
        Text name = FontFamily_GetName(family);
        if (!name.empty()) result.family = std::move(name);
    }
    return result;
}
