// Toolbars that host child windows become containers: their registration, nesting, unregistration with
// renumbering, the colour answers and notifications they give their children, and their recorded clipping extent.
#include "skin/core/control_registration.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/container.h"
#include "skin/painters/lists/toolbar_painter.h"
#include "tests/skin/painters/lists/toolbar_fixture.h"

namespace {

class Containers : public ToolbarFixture {
protected:
    HWND Edit(HWND parent, int x = 150, int y = 5, int width = 80, int height = 20) {
        return CreateWindowExW(0, L"Edit", L"", WS_CHILD | WS_VISIBLE, x, y, width, height, parent, nullptr,
                               GetModuleHandleW(nullptr), nullptr);
    }
    static bool HasProp(HWND window, const wchar_t* name) { return GetPropW(window, name) != nullptr; }
    static LONG_PTR Proc(HWND window) { return GetWindowLongPtrW(window, GWLP_WNDPROC); }
    std::vector<HWND> Containers_() const {
        std::vector<HWND> windows;
        for (const ContainerEntry& entry : record_->containers)
            windows.push_back(entry.control);
        return windows;
    }
};

TEST_F(Containers, OnlyToolbarsWithChildrenBecomeContainersAndOnlyOnce) {
    HWND plain = Toolbar(top_, 0, 10, 10, 300, 40);
    HWND host = Toolbar(top_, 0, 10, 60, 300, 40);
    HWND edit = Edit(host);
    Toolbar_Register(position_, top_);

    EXPECT_FALSE(HasProp(plain, SkinProp::kListId) || HasProp(plain, SkinProp::kOwnerId) ||
                 HasProp(plain, SkinProp::kProc));
    EXPECT_EQ(Proc(plain), reinterpret_cast<LONG_PTR>(Toolbar_WindowProc));
    ASSERT_EQ(Containers_(), std::vector<HWND>{host});
    EXPECT_EQ(Prop_GetInt(host, SkinProp::kListId), 1);
    EXPECT_EQ(Prop_GetInt(host, SkinProp::kOwnerId), position_);
    // The container sits in front of the toolbar painter, which sits in front of the system's procedure.
    EXPECT_EQ(Proc(host), reinterpret_cast<LONG_PTR>(Container_WindowProc));
    EXPECT_EQ(Prop_GetInt(host, SkinProp::kProc), reinterpret_cast<LONG_PTR>(Toolbar_WindowProc));
    EXPECT_EQ(Prop_GetInt(host, SkinProp::kToolbarListId), 2);
    const ContainerEntry& entry = record_->containers[0];
    EXPECT_EQ(entry.clientRight, 300);
    EXPECT_EQ(entry.clientBottom, 40);
    EXPECT_EQ(entry.repaint, 1);

    // Registering again, directly or through the toolbars, changes nothing.
    Container_Register(host);
    Toolbar_Register(position_, top_);
    EXPECT_EQ(Containers_(), std::vector<HWND>{host});
    EXPECT_EQ(record_->toolbars.size(), 2u);
    EXPECT_EQ(Proc(host), reinterpret_cast<LONG_PTR>(Container_WindowProc));
    EXPECT_EQ(Prop_GetInt(host, SkinProp::kProc), reinterpret_cast<LONG_PTR>(Toolbar_WindowProc));
    // A window of no dressed window is never a container.
    HWND stray =
        CreateWindowExW(0, L"ShibeiToolbarTop", L"", WS_POPUP, 0, 0, 50, 50, nullptr, nullptr, nullptr, nullptr);
    Container_Register(stray);
    EXPECT_EQ(Containers_(), std::vector<HWND>{host});
    DestroyWindow(stray);
    (void)edit;
}

TEST_F(Containers, NestedToolbarIsDressedAndBecomesAContainerOfItsOwn) {
    HWND outer = Toolbar(top_, 0, 10, 10, 380, 120);
    HWND inner = Toolbar(outer, 0, 5, 40, 300, 60);
    Edit(inner, 200, 5);
    Toolbar_Register(position_, top_);

    EXPECT_EQ(Containers_(), (std::vector<HWND>{outer, inner}));
    ASSERT_EQ(record_->toolbars.size(), 2u);
    EXPECT_EQ(record_->toolbars[1].control, inner);
    EXPECT_EQ(Prop_GetInt(inner, SkinProp::kToolbarOwnerId), position_);
    EXPECT_EQ(Prop_GetInt(inner, SkinProp::kListId), 2);
    EXPECT_EQ(Proc(inner), reinterpret_cast<LONG_PTR>(Container_WindowProc));
}

TEST_F(Containers, DestroyingTheFirstRenumbersTheOthersAndRestoresItsChain) {
    std::vector<HWND> hosts;
    for (int i = 0; i < 3; ++i) {
        hosts.push_back(Toolbar(top_, 0, 10, 10 + 50 * i, 300, 40));
        Edit(hosts.back());
    }
    Toolbar_Register(position_, top_);
    ASSERT_EQ(Containers_(), hosts);

    DestroyWindow(hosts[0]);
    EXPECT_EQ(Containers_(), (std::vector<HWND>{hosts[1], hosts[2]}));
    EXPECT_EQ(Prop_GetInt(hosts[1], SkinProp::kListId), 1);
    EXPECT_EQ(Prop_GetInt(hosts[2], SkinProp::kListId), 2);

    // Unregistering a living container gives the toolbar painter its place back.
    Container_Unregister(position_, 2);
    EXPECT_EQ(Containers_(), std::vector<HWND>{hosts[1]});
    EXPECT_EQ(Proc(hosts[2]), reinterpret_cast<LONG_PTR>(Toolbar_WindowProc));
    EXPECT_EQ(SendMessageW(hosts[2], TB_BUTTONCOUNT, 0, 0), 0); // the chain still reaches the system's procedure
}

// A check box on a toolbar keeps the pattern brush and bitmap of its colour answers; they must not outlive it.
TEST_F(Containers, DestroyingAContainerFreesWhatItsChildrenKeepForColours) {
    HWND host = Toolbar(top_);
    HWND check = CreateWindowExW(0, L"Button", L"", WS_CHILD | WS_VISIBLE | BS_AUTOCHECKBOX, 10, 5, 80, 20, host,
                                 nullptr, nullptr, nullptr);
    Edit(host);
    Toolbar_Register(position_, top_);
    HBITMAP bitmap = CreateBitmap(8, 8, 1, 1, nullptr);
    HBRUSH brush = CreatePatternBrush(bitmap);
    SetPropW(check, SkinProp::kColourBitmap, bitmap);
    SetPropW(check, SkinProp::kColourBrush, brush);

    DestroyWindow(host);
    EXPECT_EQ(GetObjectType(brush), 0u);
    EXPECT_EQ(GetObjectType(bitmap), 0u);
}

TEST_F(Containers, ChildColoursAreTheSkinsOnlyWhileControlsAreTranslucent) {
    HWND host = Toolbar(top_);
    HWND edit = Edit(host);
    HWND list =
        CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE, 10, 5, 80, 40, host, nullptr, nullptr, nullptr);
    HWND drawnList = CreateWindowExW(0, L"ListBox", L"", WS_CHILD | WS_VISIBLE | LBS_OWNERDRAWFIXED, 100, 5, 40, 40,
                                     host, nullptr, nullptr, nullptr);
    Toolbar_Register(position_, top_);
    constexpr COLORREF kText = RGB(1, 2, 3), kUntouched = RGB(9, 8, 7);
    for (HWND child : {edit, list, drawnList})
        Prop_SetInt(child, SkinProp::kTextColour, kText);
    const auto systemAnswer = [&](UINT message, HWND child, HDC dc) {
        return CallWindowProcW(reinterpret_cast<WNDPROC>(Prop_GetInt(host, SkinProp::kProc)), host, message,
                               reinterpret_cast<WPARAM>(dc), reinterpret_cast<LPARAM>(child));
    };
    const LRESULT hollow = reinterpret_cast<LRESULT>(GetStockObject(NULL_BRUSH));

    struct Case {
        const char* name;
        int translucent;
        UINT message;
        HWND child;
        bool hollowBrush; // else the answer of the toolbar's own procedure
    };
    const Case cases[] = {
        {"edit box, opaque controls", 0, WM_CTLCOLOREDIT, edit, false},
        {"list box, opaque controls", 0, WM_CTLCOLORLISTBOX, list, false},
        {"list box", 1, WM_CTLCOLORLISTBOX, list, true},
        {"owner-drawn list box", 1, WM_CTLCOLORLISTBOX, drawnList, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Skin_State().translucentControls = c.translucent;
        DibSurface surface(4, 4);
        SetTextColor(surface.dc(), kUntouched);
        const LRESULT answer =
            SendMessageW(host, c.message, reinterpret_cast<WPARAM>(surface.dc()), reinterpret_cast<LPARAM>(c.child));
        if (c.hollowBrush) {
            EXPECT_EQ(answer, hollow);
            EXPECT_EQ(GetTextColor(surface.dc()), kText);
            EXPECT_EQ(reinterpret_cast<LRESULT>(GetPropW(c.child, SkinProp::kColourBrush)), hollow);
        } else {
            DibSurface other(4, 4);
            EXPECT_EQ(answer, systemAnswer(c.message, c.child, other.dc()));
            EXPECT_NE(GetTextColor(surface.dc()), kText);
        }
    }
}

TEST_F(Containers, ChildNotificationsRepaintTheChildWhileTranslucent) {
    HWND host = Toolbar(top_);
    HWND edit = Edit(host);
    Toolbar_Register(position_, top_);
    ShowWindow(top_, SW_SHOWNOACTIVATE);
    UpdateWindow(top_);
    for (int translucent : {0, 1}) {
        for (WORD code : {EN_UPDATE, EN_CHANGE, EN_VSCROLL, EN_KILLFOCUS}) {
            SCOPED_TRACE(testing::Message() << "translucent " << translucent << ", code " << code);
            Skin_State().translucentControls = translucent;
            ValidateRect(edit, nullptr);
            SendMessageW(host, WM_COMMAND, MAKEWPARAM(0, code), reinterpret_cast<LPARAM>(edit));
            RECT update{};
            EXPECT_EQ(GetUpdateRect(edit, &update, FALSE) != 0, translucent == 1 && code != EN_KILLFOCUS);
        }
    }
}

TEST_F(Containers, ClippingKeepsToTheExtentRecordedAtRegistration) {
    HWND host = Toolbar(top_, 0, 10, 10, 100, 40);
    Edit(host, 60, 5, 100, 20); // reaches past the recorded extent
    Toolbar_Register(position_, top_);
    SetWindowPos(host, nullptr, 0, 0, 300, 40, SWP_NOMOVE | SWP_NOZORDER);

    DibSurface surface(300, 40);
    EXPECT_EQ(Dc_ExcludeChildren(host, surface.dc()), surface.dc());
    HBRUSH paint = CreateSolidBrush(RGB(0xC0, 0xFF, 0xEE));
    const RECT all{0, 0, 300, 40};
    FillRect(surface.dc(), &all, paint);
    DeleteObject(paint);
    EXPECT_EQ(surface.At(70, 10), 0u);         // inside the recorded extent: clipped out
    EXPECT_EQ(surface.At(120, 10), 0xC0FFEEu); // beyond it: painted
}

} // namespace
