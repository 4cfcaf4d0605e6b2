#include "gallery/gallery_toolbars.h"

#include <commctrl.h>

#include <initializer_list>
#include <vector>

#include "gallery/gallery_ids.h"

namespace {

HWND MakeToolbar(HWND parent, DWORD style, int id, int x, int y, int width, int height, int minButtonWidth = 0) {
    HWND toolbar = CreateWindowExW(0, TOOLBARCLASSNAMEW, nullptr,
                                   WS_CHILD | WS_VISIBLE | CCS_NODIVIDER | CCS_NORESIZE | CCS_NOPARENTALIGN |
                                       TBSTYLE_FLAT | TBSTYLE_TOOLTIPS | style,
                                   x, y, width, height, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                                   GetModuleHandleW(nullptr), nullptr);
    SendMessageW(toolbar, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    SendMessageW(toolbar, TB_SETEXTENDEDSTYLE, 0, TBSTYLE_EX_DRAWDDARROWS);
    // The system's small standard pictures (cut, copy, paste, new, open, save...).
    SendMessageW(toolbar, TB_LOADIMAGES, IDB_STD_SMALL_COLOR, reinterpret_cast<LPARAM>(HINST_COMMCTRL));
    // Room for the skin's text, which may be set in a larger font than the one the toolbar measures with.
    if (minButtonWidth) SendMessageW(toolbar, TB_SETBUTTONWIDTH, 0, MAKELPARAM(minButtonWidth, minButtonWidth * 2));
    return toolbar;
}

TBBUTTON Button(int image, int command, BYTE style, BYTE state, const wchar_t* text) {
    TBBUTTON button{};
    button.iBitmap = image;
    button.idCommand = command;
    button.fsState = state;
    button.fsStyle = style;
    button.iString = text ? reinterpret_cast<INT_PTR>(text) : -1;
    return button;
}

TBBUTTON Separator(int width = 8, BYTE state = 0) {
    return Button(width, 0, BTNS_SEP, state, nullptr);
}

void Add(HWND toolbar, std::vector<TBBUTTON> buttons) {
    SendMessageW(toolbar, TB_ADDBUTTONSW, buttons.size(), reinterpret_cast<LPARAM>(buttons.data()));
}

constexpr BYTE kOn = TBSTATE_ENABLED;

// Every state and style in one row, texts beside the icons.
void StateToolbar(HWND w) {
    HWND toolbar = MakeToolbar(w, TBSTYLE_LIST, kGalleryToolbarStates, 8, 30, 784, 30, 64);
    Add(toolbar, {
                     Button(STD_FILENEW, 2001, BTNS_BUTTON, kOn, L"新建"),
                     Button(STD_FILEOPEN, 2002, BTNS_CHECK, kOn | TBSTATE_CHECKED, L"选中"),
                     Button(STD_FILESAVE, 2003, BTNS_BUTTON, kOn | TBSTATE_PRESSED, L"按下"),
                     Separator(),
                     Button(STD_CUT, 2004, BTNS_BUTTON, 0, L"不可用"),
                     Button(STD_COPY, 2005, BTNS_BUTTON, kOn | TBSTATE_INDETERMINATE, L"不确定"),
                     Button(STD_PASTE, 2006, BTNS_BUTTON, kOn | TBSTATE_HIDDEN, L"隐藏"),
                     Separator(),
                     Button(STD_PRINT, 2007, BTNS_DROPDOWN, kOn, L"下拉"),
                     Button(STD_FIND, 2008, BTNS_WHOLEDROPDOWN, kOn, L"整体下拉"),
                     Button(STD_HELP, 2009, BTNS_AUTOSIZE, kOn, L"自动宽度"),
                 });
}

// Texts below the icons, in two rows: the separator that starts the second row runs across the toolbar.
// The rows are set by the buttons' wrap marks; a wrapable toolbar would place its own.
void WrappedToolbar(HWND w) {
    HWND toolbar = MakeToolbar(w, 0, kGalleryToolbarWrapped, 16, 562, 380, 96, 48);
    Add(toolbar, {
                     Button(STD_UNDO, 2101, BTNS_BUTTON, kOn, L"撤销"),
                     Button(STD_REDOW, 2102, BTNS_BUTTON, kOn, L"重做"),
                     Button(STD_DELETE, 2103, BTNS_CHECKGROUP, kOn | TBSTATE_CHECKED, L"删除"),
                     Button(STD_PROPERTIES, 2104, BTNS_CHECKGROUP, kOn | TBSTATE_WRAP, L"属性"),
                     Separator(),
                     Button(STD_CUT, 2105, BTNS_BUTTON, 0, L"剪切"),
                     Button(STD_COPY, 2106, BTNS_DROPDOWN, kOn, L"复制"),
                     Button(STD_PASTE, 2107, BTNS_WHOLEDROPDOWN, 0, L"粘贴"),
                 });
}

// A toolbar hosting an edit box and a combo box over two wide separators.
void HostingToolbar(HWND w) {
    HWND toolbar = MakeToolbar(w, TBSTYLE_LIST, kGalleryToolbarHost, 410, 562, 380, 34);
    Add(toolbar, {
                     Button(STD_FIND, 2201, BTNS_BUTTON, kOn, L"查找"),
                     Separator(130),
                     Separator(8),
                     Separator(120),
                 });
    RECT edit{}, combo{};
    SendMessageW(toolbar, TB_GETITEMRECT, 1, reinterpret_cast<LPARAM>(&edit));
    SendMessageW(toolbar, TB_GETITEMRECT, 3, reinterpret_cast<LPARAM>(&combo));
    CreateWindowExW(WS_EX_CLIENTEDGE, WC_EDITW, L"工具栏上的编辑框", WS_CHILD | WS_VISIBLE | ES_AUTOHSCROLL, edit.left,
                    edit.top + 2, edit.right - edit.left, 24, toolbar,
                    reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGalleryToolbarEdit)), GetModuleHandleW(nullptr),
                    nullptr);
    HWND box = CreateWindowExW(0, WC_COMBOBOXW, L"", WS_CHILD | WS_VISIBLE | CBS_DROPDOWNLIST | WS_VSCROLL, combo.left,
                               combo.top + 2, combo.right - combo.left, 160, toolbar,
                               reinterpret_cast<HMENU>(static_cast<INT_PTR>(kGalleryToolbarCombo)),
                               GetModuleHandleW(nullptr), nullptr);
    for (const wchar_t* item : {L"工具栏组合框", L"第二项", L"第三项"})
        SendMessageW(box, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
    SendMessageW(box, CB_SETCURSEL, 0, 0);
}

} // namespace

void Gallery_CreateToolbars(HWND window) {
    StateToolbar(window);
    WrappedToolbar(window);
    HostingToolbar(window);
}
