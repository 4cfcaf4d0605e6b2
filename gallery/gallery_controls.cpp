#include "gallery/gallery_controls.h"

#include <commctrl.h>

#include <initializer_list>
#include <string>

#include "gallery/gallery_ids.h"
#if __has_include("skin/painters/basic/label_painter.h")
#include "skin/painters/basic/label_painter.h"
#endif

namespace {

constexpr int kTop = 64;  // below the title band and the space kept for toolbars

HWND Make(HWND parent, const wchar_t* cls, const wchar_t* text, DWORD style, int id, int x, int y, int width,
          int height, DWORD exStyle = 0) {
    return CreateWindowExW(exStyle, cls, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, parent,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleW(nullptr), nullptr);
}

void Buttons(HWND w) {
    const int x = 16;
    Make(w, WC_BUTTONW, L"按钮", BS_PUSHBUTTON | WS_TABSTOP, kGalleryPushButton, x, kTop, 90, 30);
    HWND disabled = Make(w, WC_BUTTONW, L"不可用", BS_PUSHBUTTON, kGalleryPushButtonDisabled, x + 100, kTop, 90, 30);
    EnableWindow(disabled, FALSE);
    Make(w, WC_BUTTONW, L"复选框", BS_AUTOCHECKBOX | WS_TABSTOP, kGalleryCheckBox, x, kTop + 40, 90, 22);
    HWND checked = Make(w, WC_BUTTONW, L"已选中", BS_AUTOCHECKBOX, kGalleryCheckBoxChecked, x + 100, kTop + 40, 90, 22);
    SendMessageW(checked, BM_SETCHECK, BST_CHECKED, 0);
    HWND first = Make(w, WC_BUTTONW, L"单选一", BS_AUTORADIOBUTTON | WS_GROUP, kGalleryRadioFirst, x, kTop + 68, 90, 22);
    SendMessageW(first, BM_SETCHECK, BST_CHECKED, 0);
    Make(w, WC_BUTTONW, L"单选二", BS_AUTORADIOBUTTON, kGalleryRadioSecond, x + 100, kTop + 68, 90, 22);
}

void Labels(HWND w) {
    Make(w, WC_STATICW, L"标签：左对齐的文字", SS_LEFT, kGalleryLabel, 16, kTop + 100, 190, 20);
    Make(w, WC_STATICW, L"居中的标签", SS_CENTER, kGalleryLabelCentred, 16, kTop + 124, 190, 20);
}

void EditsAndCombos(HWND w) {
    const int x = 16, y = kTop + 152;
    Make(w, WC_EDITW, L"单行编辑框", ES_AUTOHSCROLL | WS_TABSTOP, kGalleryEditSingle, x, y, 190, 26, WS_EX_CLIENTEDGE);
    std::wstring lines;
    for (int i = 1; i <= 20; ++i) lines += L"多行编辑框，第 " + std::to_wstring(i) + L" 行\r\n";
    Make(w, WC_EDITW, lines.c_str(), ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP,
         kGalleryEditMulti, x, y + 34, 190, 90, WS_EX_CLIENTEDGE);
    const struct {
        DWORD style;
        int id;
        int height;
    } combos[] = {
        {CBS_SIMPLE, kGalleryComboSimple, 90},
        {CBS_DROPDOWN, kGalleryComboDropDown, 160},
        {CBS_DROPDOWNLIST, kGalleryComboDropList, 160},
    };
    int cy = y + 132;
    for (const auto& c : combos) {
        HWND combo = Make(w, WC_COMBOBOXW, L"", c.style | WS_VSCROLL | WS_TABSTOP, c.id, x, cy, 190, c.height);
        for (const wchar_t* item : {L"第一项", L"第二项", L"第三项", L"第四项"}) {
            SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item));
        }
        SendMessageW(combo, CB_SETCURSEL, 0, 0);
        cy += c.style == CBS_SIMPLE ? 96 : 32;
    }
}

void Lists(HWND w) {
    const int x = 224, y = kTop;
    HWND list = Make(w, WC_LISTBOXW, L"", LBS_NOTIFY | WS_VSCROLL | WS_TABSTOP, kGalleryListBox, x, y, 170, 110,
                     WS_EX_CLIENTEDGE);
    for (int i = 1; i <= 12; ++i) {
        const std::wstring item = L"列表项 " + std::to_wstring(i);
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
    }

    HWND view = Make(w, WC_LISTVIEWW, L"", LVS_REPORT | LVS_SHOWSELALWAYS | WS_TABSTOP, kGalleryListView, x,
                     y + 120, 330, 130, WS_EX_CLIENTEDGE);
    const wchar_t* columns[] = {L"名称", L"大小", L"类型"};
    const int widths[] = {140, 80, 90};
    for (int i = 0; i < 3; ++i) {
        LVCOLUMNW column{};
        column.mask = LVCF_TEXT | LVCF_WIDTH | LVCF_SUBITEM;
        column.pszText = const_cast<wchar_t*>(columns[i]);
        column.cx = widths[i];
        column.iSubItem = i;
        SendMessageW(view, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
    }
    for (int row = 0; row < 8; ++row) {
        std::wstring name = L"文件 " + std::to_wstring(row + 1) + L".txt";
        std::wstring size = std::to_wstring((row + 1) * 12) + L" KB";
        LVITEMW item{};
        item.mask = LVIF_TEXT;
        item.iItem = row;
        item.pszText = name.data();
        SendMessageW(view, LVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 1;
        item.pszText = size.data();
        SendMessageW(view, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
        item.iSubItem = 2;
        item.pszText = const_cast<wchar_t*>(L"文本");
        SendMessageW(view, LVM_SETITEMTEXTW, row, reinterpret_cast<LPARAM>(&item));
    }

    HWND tree = Make(w, WC_TREEVIEWW, L"", TVS_HASLINES | TVS_HASBUTTONS | TVS_LINESATROOT | WS_TABSTOP,
                     kGalleryTreeView, x, y + 260, 170, 130, WS_EX_CLIENTEDGE);
    const auto add = [tree](HTREEITEM parent, const wchar_t* text) {
        TVINSERTSTRUCTW insert{};
        insert.hParent = parent;
        insert.hInsertAfter = TVI_LAST;
        insert.item.mask = TVIF_TEXT;
        insert.item.pszText = const_cast<wchar_t*>(text);
        return reinterpret_cast<HTREEITEM>(SendMessageW(tree, TVM_INSERTITEMW, 0, reinterpret_cast<LPARAM>(&insert)));
    };
    for (const wchar_t* branch : {L"资源", L"收藏"}) {
        HTREEITEM node = add(TVI_ROOT, branch);
        for (const wchar_t* leaf : {L"电影", L"音乐", L"文档"}) add(node, leaf);
        SendMessageW(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
    }

    HWND ip = Make(w, WC_IPADDRESSW, L"", WS_TABSTOP, kGalleryIpAddress, x + 180, y, 150, 24);
    SendMessageW(ip, IPM_SETADDRESS, 0, MAKEIPADDRESS(192, 168, 1, 10));
    Make(w, DATETIMEPICK_CLASSW, L"", DTS_SHORTDATEFORMAT | WS_TABSTOP, kGalleryDatePicker, x + 180, y + 34, 150,
         24);
}

void TrackBars(HWND w) {
    const int x = 570, y = kTop;
    const struct {
        DWORD style;
        int id, dx, dy, width, height;
    } bars[] = {
        {TBS_HORZ | TBS_AUTOTICKS, kGalleryTrackHorizontal, 0, 0, 200, 32},
        {TBS_HORZ | TBS_ENABLESELRANGE | TBS_BOTH, kGalleryTrackHorizontalSelection, 0, 40, 200, 32},
        {TBS_VERT | TBS_AUTOTICKS, kGalleryTrackVertical, 0, 80, 32, 150},
        {TBS_VERT | TBS_ENABLESELRANGE | TBS_LEFT, kGalleryTrackVerticalSelection, 40, 80, 32, 150},
    };
    int position = 30;
    for (const auto& b : bars) {
        HWND bar = Make(w, TRACKBAR_CLASSW, L"", b.style | WS_TABSTOP, b.id, x + b.dx, y + b.dy, b.width, b.height);
        SendMessageW(bar, TBM_SETRANGE, FALSE, MAKELPARAM(0, 100));
        SendMessageW(bar, TBM_SETTICFREQ, 10, 0);
        SendMessageW(bar, TBM_SETPOS, TRUE, position);
        if (b.style & TBS_ENABLESELRANGE) SendMessageW(bar, TBM_SETSEL, TRUE, MAKELPARAM(20, 70));
        position += 20;
    }
}

void UpDowns(HWND w) {
    const int x = 660, y = kTop + 80;
    HWND vertical = Make(w, UPDOWN_CLASSW, L"", UDS_ARROWKEYS | UDS_SETBUDDYINT, kGalleryUpDownVertical, x, y, 20,
                         40);
    SendMessageW(vertical, UDM_SETRANGE32, 0, 100);
    SendMessageW(vertical, UDM_SETPOS32, 0, 50);
    HWND horizontal = Make(w, UPDOWN_CLASSW, L"", UDS_HORZ | UDS_ARROWKEYS, kGalleryUpDownHorizontal, x + 30, y + 10,
                           40, 20);
    SendMessageW(horizontal, UDM_SETRANGE32, 0, 100);
}

void ProgressBars(HWND w) {
    const int x = 570, y = kTop + 244;
    const struct {
        DWORD style;
        int id, position, dx, dy, width, height;
    } bars[] = {
        {0, kGalleryProgressEmpty, 0, 0, 0, 200, 18},
        {0, kGalleryProgressHalf, 50, 0, 26, 200, 18},
        {0, kGalleryProgressFull, 100, 0, 52, 200, 18},
        {PBS_VERTICAL, kGalleryProgressVerticalEmpty, 0, 0, 80, 18, 120},
        {PBS_VERTICAL, kGalleryProgressVerticalHalf, 50, 28, 80, 18, 120},
        {PBS_VERTICAL, kGalleryProgressVerticalFull, 100, 56, 80, 18, 120},
    };
    for (const auto& b : bars) {
        HWND bar = Make(w, PROGRESS_CLASSW, L"", b.style, b.id, x + b.dx, y + b.dy, b.width, b.height);
        SendMessageW(bar, PBM_SETRANGE32, 0, 100);
        SendMessageW(bar, PBM_SETPOS, b.position, 0);
    }
}

}  // namespace

void Gallery_CreateControls(HWND window) {
    Buttons(window);
    Labels(window);
    EditsAndCombos(window);
    Lists(window);
    TrackBars(window);
    UpDowns(window);
    ProgressBars(window);
}

void Gallery_DressLabels(HWND window) {
#if __has_include("skin/painters/basic/label_painter.h")
    Skin_DressLabel(GetDlgItem(window, kGalleryLabel));
    Skin_DressLabel(GetDlgItem(window, kGalleryLabelCentred), {}, {}, 1, 0xFFFFFF, 0, 1);
#else
    // Labels keep the system's look until the label painter is part of the skin.
    (void)window;
#endif
}
