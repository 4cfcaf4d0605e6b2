// The list painter: which children it takes over, the frame ring in the whole-window copy, the repaint decision
// around held arrow keys and window drags, and what its procedure consumes.
#include "list_fixture.h"

#include "skin/core/control_registration.h"
#include "skin/painters/lists/header_painter.h"
#include "skin/painters/lists/list_painter.h"
#include "tests/support/message_log.h"

#include <map>
#include <string>
#include <vector>

namespace list_test {
namespace {

class ListRegister : public ListPainterTest {};

TEST_F(ListRegister, TakesTheListFamilyClassByClassAndSkipsTheFilteredOnes) {
    Skin_State().translucentControls = 1;
    // Created out of registration order, to show that classes are taken one after the other.
    HWND date = Control(DATETIMEPICK_CLASSW, 0, 300, 250, 120, 24);
    HWND tree = Control(WC_TREEVIEWW, WS_BORDER, 300, 10, 120, 100);
    HWND sortedView = Control(WC_LISTVIEWW, LVS_REPORT | 0x10, 10, 250, 100, 60);
    HWND view = Control(WC_LISTVIEWW, LVS_REPORT, 150, 10, 120, 100);
    HWND list = Control(WC_LISTBOXW, WS_BORDER | WS_VSCROLL | LBS_DISABLENOSCROLL, 10, 10, 120, 100);
    HWND simple = Control(WC_COMBOBOXW, CBS_SIMPLE, 10, 120, 120, 100);
    HWND ownerDrawn = Control(WC_COMBOBOXW, CBS_SIMPLE | CBS_OWNERDRAWFIXED | CBS_HASSTRINGS, 150, 120, 120, 100);
    HWND dropDown = Control(WC_COMBOBOXW, CBS_DROPDOWNLIST, 300, 120, 120, 100);
    HWND address = Control(WC_IPADDRESSW, 0, 150, 250, 130, 24);
    HWND simpleList = FindWindowExW(simple, nullptr, L"ComboLBox", nullptr);
    ASSERT_NE(simpleList, nullptr);

    List_Register(position_, top_);

    const std::vector<HWND> expected = {list, simpleList, view, tree, address, date};
    ASSERT_EQ(record_->listControls.size(), expected.size());
    for (size_t i = 0; i < expected.size(); ++i) {
        SCOPED_TRACE(i);
        const ListEntry& entry = record_->listControls[i];
        EXPECT_EQ(entry.control, expected[i]);
        EXPECT_EQ(entry.dirty, 1);
        EXPECT_EQ(Prop_GetInt(expected[i], SkinProp::kListId), static_cast<LONG_PTR>(i + 1));
        EXPECT_EQ(Prop_GetInt(expected[i], SkinProp::kOwnerId), position_);
        EXPECT_EQ(GetWindowLongPtrW(expected[i], GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(List_WindowProc));
        const bool barred = i < 4; // list boxes, combo lists, list views and tree views
        EXPECT_EQ(entry.verticalBar != nullptr, barred);
        EXPECT_EQ(entry.horizontalBar != nullptr, barred);
    }
    // A companion is shown only for a scroll style the control has.
    EXPECT_TRUE(GetWindowLongPtrW(List(1).verticalBar, GWL_STYLE) & WS_VISIBLE);
    EXPECT_FALSE(GetWindowLongPtrW(List(1).horizontalBar, GWL_STYLE) & WS_VISIBLE);

    for (HWND skipped : {sortedView, FindWindowExW(ownerDrawn, nullptr, L"ComboLBox", nullptr), dropDown})
        EXPECT_EQ(GetPropW(skipped, SkinProp::kListId), nullptr);
    EXPECT_EQ(SendMessageW(view, LVM_GETTEXTBKCOLOR, 0, 0), static_cast<LRESULT>(CLR_NONE));
    EXPECT_EQ(SendMessageW(tree, TVM_GETBKCOLOR, 0, 0), 0xFF00FF);
}

TEST_F(ListRegister, LeavesEverythingAloneWhileControlsAreNotSkinned) {
    Skin_State().skinControls = 0;
    HWND list = Control(WC_LISTBOXW, WS_BORDER, 10, 10, 120, 100);
    List_Register(position_, top_);
    EXPECT_EQ(record_->listControls.size(), 1u);
    EXPECT_EQ(record_->listControls[0].control, nullptr);
    EXPECT_EQ(GetPropW(list, SkinProp::kProc), nullptr);
}

class ListFrame : public ListPainterTest {};

TEST_F(ListFrame, RingShowsHoverAndFocusAndNeverAppearsWithoutABorder) {
    struct Case {
        const char* name;
        DWORD style, exStyle;
        bool inCombo;
        int hover, focus;
        bool ring;         // anything painted outside the client area
        bool cornerThemed; // the outer border line in the theme colour
        bool secondThemed; // the 2-pixel hover line reaches (1, 1)
    };
    const Case cases[] = {
        {"client edge", 0, WS_EX_CLIENTEDGE, false, 0, 0, true, false, false},
        {"plain border", WS_BORDER, 0, false, 0, 0, true, false, false},
        {"focused", 0, WS_EX_CLIENTEDGE, false, 0, 1, true, true, false},
        {"hovered", 0, WS_EX_CLIENTEDGE, false, 1, 0, true, true, true},
        {"hovered and focused", 0, WS_EX_CLIENTEDGE, false, 1, 1, true, true, true},
        {"borderless", 0, 0, false, 1, 1, false, false, false},
        {"simple combo's list", 0, 0, true, 1, 1, false, false, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND host = c.inCombo ? Control(WC_COMBOBOXW, CBS_SIMPLE, 10, 10, 160, 120)
                              : Control(WC_LISTBOXW, c.style, 10, 10, 160, 120, c.exStyle);
        HWND list = c.inCombo ? FindWindowExW(host, nullptr, L"ComboLBox", nullptr) : host;
        Redress();
        List_Register(position_, top_);
        ASSERT_EQ(List(1).control, list);

        FillCopy(kMarker);
        List_DrawFrame(position_, 1, c.hover, c.focus);
        const uint32_t corner = Copy(list, 0, 0), second = Copy(list, 1, 1);
        EXPECT_EQ(corner != kMarker, c.ring);
        EXPECT_EQ(IsThemed(corner), c.cornerThemed);
        if (c.ring) {
            EXPECT_EQ(IsThemed(second), c.secondThemed);
        }
        if (c.ring && !c.cornerThemed) {
            EXPECT_NEAR(Red(corner), 165, 3); // black at 90 over opaque white
            EXPECT_NEAR(Blue(corner), 165, 3);
        }
        // The client area is keyed out: whatever the copy held there stays.
        EXPECT_EQ(Copy(list, 80, 60), kMarker);
        DestroyWindow(host);
    }
}

// A recording layer under the skin procedure: every paint that reaches the control itself, with its DC.
std::map<HWND, WNDPROC> originals;
std::vector<WPARAM> controlPaints;
LRESULT CALLBACK RecordPaints(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_PAINT) controlPaints.push_back(wParam);
    return CallWindowProcW(originals[window], window, message, wParam, lParam);
}
void RecordUnder(HWND control) {
    originals[control] =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(control, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(RecordPaints)));
}

class ListRepaint : public ListPainterTest {};

TEST_F(ListRepaint, HeldArrowKeyKeepsATranslucentListDrawingItselfDuringADrag) {
    Skin_State().translucentControls = 1;
    Skin_State().controlFillAlpha = 255;
    HWND list = Control(WC_LISTBOXW, WS_BORDER | WS_VSCROLL | LBS_NOTIFY, 20, 20, 160, 120);
    for (int i = 0; i < 30; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    RecordUnder(list);
    List_Register(position_, top_);
    Show();
    Pump();

    // Every step ends with the list's area invalidated and painted; "drawn" tells whether the control drew its
    // items itself (onto the painter's memory DC) or the area came back out of the whole-window copy.
    struct Step {
        const char* name;
        UINT message;
        WPARAM key;
        bool drawn;
    };
    const Step steps[] = {
        {"drag starts: copied", 0, 0, false},
        {"arrow key down", WM_KEYDOWN, VK_DOWN, true},
        {"held key repeats", kListArrowRepaint, 0, true},
        {"held key repeats again", kListArrowRepaint, 0, true},
        {"key up", WM_KEYUP, VK_DOWN, true},
        {"no key held: copied", kListArrowRepaint, 0, false},
    };
    record_->moving = 1;
    for (const Step& step : steps) {
        SCOPED_TRACE(step.name);
        if (step.message) SendMessageW(list, step.message, step.key, 0);
        if (step.message != kListArrowRepaint) InvalidateRect(list, nullptr, FALSE);
        controlPaints.clear();
        UpdateWindow(list);
        const bool drawnByControl = !controlPaints.empty() && controlPaints.back() != 0;
        EXPECT_EQ(drawnByControl, step.drawn);
        EXPECT_EQ(List(1).dirty, 0);
    }
    // The private repaint message does nothing without a held key: the list is not even invalidated.
    SendMessageW(list, kListArrowRepaint, 0, 0);
    EXPECT_FALSE(GetUpdateRect(list, nullptr, FALSE));
}

TEST_F(ListRepaint, EmptyTranslucentViewsShowTheUnveiledFrameOnScreenAndInTheCopy) {
    Skin_State().translucentControls = 1;
    Skin_State().controlFillAlpha = 0; // the extractor's setting: no veil at all
    const wchar_t* classes[] = {WC_LISTVIEWW, WC_TREEVIEWW};
    for (const wchar_t* cls : classes) {
        SCOPED_TRACE(testing::PrintToString(std::wstring(cls)));
        HWND view = Control(cls, LVS_LIST, 20, 20, 160, 120, WS_EX_CLIENTEDGE);
        Redress();
        List_Register(position_, top_);
        Show();
        FillCopy(kMarker);
        InvalidateRect(view, nullptr, TRUE);
        UpdateWindow(view);
        EXPECT_EQ(Copy(view, 80, 100), kFrame);
        EXPECT_EQ(List(1).dirty, 0);
        DestroyWindow(view);
    }
}

class ListProcedure : public ListPainterTest {};

TEST_F(ListProcedure, PassesOnWhatItOnlyObservesAndConsumesWhatItPaints) {
    Skin_State().translucentControls = 1;
    HWND control = Control(MessageLog::ClassName(), WS_BORDER, 20, 20, 100, 60);
    ASSERT_EQ(Skin_RegisterControl(position_, record_->listControls, control, List_WindowProc), 1);
    Prop_SetInt(control, SkinProp::kTextColour, RGB(10, 20, 30));
    MessageLog::Clear();

    DibSurface surface(4, 4);
    const std::vector<UINT> sent = {WM_KEYDOWN,    WM_KEYUP,      WM_SETTEXT,  kListArrowRepaint, WM_NCPAINT,
                                    WM_ERASEBKGND, WM_MOUSEWHEEL, WM_SETFOCUS, WM_KILLFOCUS};
    LRESULT erase = 0;
    for (UINT message : sent) {
        const WPARAM wParam = message == WM_ERASEBKGND                       ? reinterpret_cast<WPARAM>(surface.dc())
                              : message == WM_KEYDOWN || message == WM_KEYUP ? VK_UP
                              : message == WM_NCPAINT                        ? 1
                                                                             : 0;
        const LPARAM lParam = message == WM_SETTEXT ? reinterpret_cast<LPARAM>(L"x") : 0;
        const LRESULT result = SendMessageW(control, message, wParam, lParam);
        if (message == WM_ERASEBKGND) erase = result;
    }
    std::vector<UINT> passed;
    for (const LoggedMessage& m : MessageLog::For(control, sent))
        passed.push_back(m.message);
    // The frame and, for controls other than lists and trees, the erase are the painter's own.
    EXPECT_EQ(passed, (std::vector<UINT>{WM_KEYDOWN, WM_KEYUP, WM_SETTEXT, kListArrowRepaint, WM_MOUSEWHEEL,
                                         WM_SETFOCUS, WM_KILLFOCUS}));
    EXPECT_EQ(GetBkMode(surface.dc()), TRANSPARENT);
    EXPECT_EQ(GetTextColor(surface.dc()), RGB(10, 20, 30));
    EXPECT_EQ(erase, static_cast<LRESULT>(RGB(0, 0, 0))); // the colour it replaced
    EXPECT_EQ(List(1).focused, 0);
    EXPECT_EQ(List(1).arrowKeyDown, 0);
}

} // namespace
} // namespace list_test
