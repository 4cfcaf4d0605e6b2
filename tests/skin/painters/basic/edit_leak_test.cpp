// GDI leak probe over the edit and combo box painters: hover looks painted in and out 10,000 times over an edit
// box, and the combo box's colour answers for its edit field renewing their brush and bitmap.
#include "skin/draw/mem_dc_table.h"
#include "skin/painters/basic/edit_combo.h"
#include "tests/skin/painters/basic/edit_fixture.h"
#include "tests/support/gdi_probe.h"

#include <gtest/gtest.h>

namespace {

using namespace edit_fixture;

using EditComboLeak = DressedWindow;

TEST_F(EditComboLeak, HoverAndColourAnswersLeakNothing) {
    HWND edit = Child(L"Edit", WS_VISIBLE | WS_BORDER, 0, 20, 20, 120, 24, nullptr, L"address");
    HWND combo = Child(L"ComboBox", WS_VISIBLE | CBS_DROPDOWN, 0, 20, 60, 160, 200);
    Register();
    HWND field = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    // Whatever the first paints kept for the colour answers goes first; the destroys at the end take the rest.
    Control_DropBackdropBrush(edit);
    Control_DropBackdropBrush(field);
    const int tables = MemDc_Count();
    const int before = Gdi_Headroom();
    HDC fieldDc = GetDC(field);
    for (int i = 0; i < 10000; ++i) {
        SendMessageW(edit, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
        SendMessageW(edit, WM_MOUSELEAVE, 0, 0);
        if (i % 10 == 0)
            SendMessageW(combo, WM_CTLCOLOREDIT, reinterpret_cast<WPARAM>(fieldDc), reinterpret_cast<LPARAM>(field));
        if (i % 100 == 0) Pump();
    }
    ReleaseDC(field, fieldDc);
    Pump();
    DestroyWindow(combo);  // its edit field takes the last brush and bitmap with it
    DestroyWindow(edit);
    const int after = Gdi_Headroom();
    EXPECT_EQ(MemDc_Count(), tables);
    EXPECT_EQ(before, after);
}

}  // namespace
