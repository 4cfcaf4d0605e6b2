#include "skin/core/caption_tooltip.h"

#include <windows.h>

#include <commctrl.h>

#include <string>

#include "toolkit/codepage.h"

namespace {

// The version 5 size: the structure as every common controls version accepts it.
TTTOOLINFOW Tool(HWND owner, UINT id) {
    TTTOOLINFOW info{};
    info.cbSize = TTTOOLINFOW_V2_SIZE;
    info.hwnd = owner;
    info.uId = id;
    return info;
}

}  // namespace

HWND Tooltip_Create(HWND owner) {
    if (!owner) return nullptr;
    INITCOMMONCONTROLSEX init{sizeof init, ICC_WIN95_CLASSES};
    InitCommonControlsEx(&init);
    HWND tooltip = CreateWindowExW(0, TOOLTIPS_CLASSW, L"", TTS_ALWAYSTIP, CW_USEDEFAULT, CW_USEDEFAULT,
                                   CW_USEDEFAULT, CW_USEDEFAULT, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (tooltip) SendMessageW(tooltip, TTM_SETMAXTIPWIDTH, 0, 600);
    return tooltip;
}

void Tooltip_AddTool(HWND tooltip, HWND owner, UINT id, const RECT& rect, const Text& text) {
    if (!tooltip) return;
    std::wstring wide = Cp936_ToWide(text);
    TTTOOLINFOW info = Tool(owner, id);
    info.uFlags = TTF_SUBCLASS;
    info.rect = rect;
    info.lpszText = wide.data();
    SendMessageW(tooltip, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip_SetToolRect(HWND tooltip, HWND owner, UINT id, const RECT& rect) {
    if (!tooltip) return;
    TTTOOLINFOW info = Tool(owner, id);
    info.rect = rect;
    SendMessageW(tooltip, TTM_NEWTOOLRECTW, 0, reinterpret_cast<LPARAM>(&info));
}

void Tooltip_SetToolText(HWND tooltip, HWND owner, UINT id, const Text& text) {
    if (!tooltip) return;
    std::wstring wide = Cp936_ToWide(text);
    TTTOOLINFOW info = Tool(owner, id);
    info.lpszText = wide.data();
    SendMessageW(tooltip, TTM_UPDATETIPTEXTW, 0, reinterpret_cast<LPARAM>(&info));
}
