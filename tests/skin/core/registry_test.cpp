// The registry of skinned windows: registration and subclassing, passing messages on, finding records through
// window properties, and teardown with renumbering. Messages are recorded at the replaced procedure, the way
// Wine's conformance tests record message sequences.
#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "toolkit/dispatch.h"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

namespace {

constexpr wchar_t kClass[] = L"ShibeiSkinRecorder";
constexpr UINT kProbe = WM_APP + 1;
constexpr UINT kConsumed = WM_APP + 2;  // the skin procedures answer it themselves when they find their entry

struct Seen {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const Seen&) const = default;
};
std::vector<Seen> recorded;  // what reached the replaced (original) procedures

LRESULT CALLBACK RecorderProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message >= WM_APP && message < WM_APP + 100) {
        recorded.push_back({window, message, wParam, lParam});
        return static_cast<LRESULT>(wParam ^ static_cast<WPARAM>(lParam));
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT Consume(HWND, WPARAM, LPARAM) { return 77; }
constexpr MessageRoute kControlRoutes[] = {{kConsumed, Consume}};

// A control procedure as the painters write them: without its entry it passes the message on unchanged.
template <typename Entry, std::vector<Entry> WindowSkinRecord::*List>
LRESULT CALLBACK ControlProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    constexpr bool toolbar = Skin_UsesToolbarProperties<Entry>();
    auto passOn = toolbar ? Skin_PassOnToolbar : Skin_PassOn;
    if (!Skin_ControlEntry(window, List)) return passOn(window, message, wParam, lParam);
    return Dispatch(kControlRoutes, window, message, wParam, lParam, passOn);
}
constexpr WNDPROC ButtonProc = ControlProc<ButtonEntry, &WindowSkinRecord::buttons>;
constexpr WNDPROC LabelProc = ControlProc<LabelEntry, &WindowSkinRecord::labels>;
constexpr WNDPROC ToolbarProc = ControlProc<ToolbarEntry, &WindowSkinRecord::toolbars>;
constexpr WNDPROC EditProc = ControlProc<EditEntry, &WindowSkinRecord::editBoxes>;

LRESULT ReleaseOnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_ReleaseWindow(window);
    return Skin_PassOn(window, WM_NCDESTROY, wParam, lParam);
}
constexpr MessageRoute kFrameRoutes[] = {{WM_NCDESTROY, ReleaseOnNcDestroy}};
LRESULT CALLBACK FrameProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kFrameRoutes, window, message, wParam, lParam, Skin_PassOn);
}

bool IsGdiObject(HGDIOBJ object) { return GetObjectType(object) != 0; }

class SkinRegistryTest : public testing::Test {
protected:
    static void SetUpTestSuite() {
        WNDCLASSW wc{};
        wc.lpfnWndProc = RecorderProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.lpszClassName = kClass;
        RegisterClassW(&wc);
    }
    void SetUp() override {
        Skin_ClearRegistry();
        recorded.clear();
    }
    void TearDown() override {
        for (HWND window : windows_) DestroyWindow(window);
        Skin_ClearRegistry();
    }
    HWND Make(HWND parent = nullptr, DWORD style = WS_POPUP) {
        HWND window = CreateWindowExW(0, kClass, L"", style, 0, 0, 100, 80, parent, nullptr, nullptr, nullptr);
        EXPECT_NE(window, nullptr);
        if (!parent || (style & WS_CHILD) == 0) windows_.push_back(window);
        return window;
    }
    HWND Child(HWND parent) { return Make(parent, WS_CHILD); }
    // What dressing does to the registry: append the record, subclass the window, set Hw_lbID.
    int Dress(HWND window) {
        auto record = std::make_unique<WindowSkinRecord>();
        record->window = window;
        WindowSkinRecord& kept = *record;
        const int position = Skin_AppendRecord(std::move(record));
        kept.previousProc = Skin_Subclass(window, FrameProc);
        Prop_SetInt(window, SkinProp::kListId, position);
        return position;
    }
    LRESULT Send(HWND window, UINT message, WPARAM wParam = 0, LPARAM lParam = 0) {
        return SendMessageW(window, message, wParam, lParam);
    }
    std::vector<HWND> windows_;
};

TEST_F(SkinRegistryTest, PassOnDeliversEveryUnconsumedMessageInOrderAndUnchanged) {
    const int record = Dress(Make());
    HWND control = Child(Skin_RecordAt(record)->window);
    ASSERT_EQ(Skin_RegisterControl(record, Skin_RecordAt(record)->buttons, control, ButtonProc), 1);

    int local = 0;
    const std::vector<Seen> sent = {
        {control, kProbe, 0, 0},
        {control, kProbe + 5, static_cast<WPARAM>(-1), static_cast<LPARAM>(-1)},
        {control, kProbe, 0x12345678, reinterpret_cast<LPARAM>(&local)},  // a pointer keeps all its bits
        {control, kProbe + 9, 7, 0x7FFFFFFF},
    };
    for (const Seen& s : sent) {
        EXPECT_EQ(Send(control, s.message, s.wParam, s.lParam), static_cast<LRESULT>(s.wParam ^ s.lParam));
        EXPECT_EQ(Send(control, kConsumed, 1, 2), 77);  // consumed: the replaced procedure never sees it
    }
    EXPECT_EQ(recorded, sent);

    // The top-level window's own chain passes on likewise.
    recorded.clear();
    HWND top = Skin_RecordAt(record)->window;
    EXPECT_EQ(Send(top, kProbe, 3, 5), 6);
    EXPECT_EQ(recorded, (std::vector<Seen>{{top, kProbe, 3, 5}}));
    // A window that keeps no procedure is answered by DefWindowProcW.
    HWND plain = Make();
    SetWindowTextW(plain, L"abc");
    EXPECT_EQ(Skin_PassOn(plain, WM_GETTEXTLENGTH, 0, 0), 3);
}

TEST_F(SkinRegistryTest, FreshRecordHoldsOnePlaceholderPerKind) {
    WindowSkinRecord record;
    const auto placeholderOnly = [](const auto& list) { return list.size() == 1 && !list.front().control; };
    EXPECT_TRUE(placeholderOnly(record.buttons) && placeholderOnly(record.editBoxes) &&
                placeholderOnly(record.listControls) && placeholderOnly(record.trackBars) &&
                placeholderOnly(record.progressBars) && placeholderOnly(record.comboBoxes) &&
                placeholderOnly(record.upDowns) && placeholderOnly(record.headers) &&
                placeholderOnly(record.toolbars) && placeholderOnly(record.labels) &&
                placeholderOnly(record.containers));
    EXPECT_TRUE(record.captionButtons.empty());
    EXPECT_EQ(record.frameDC, nullptr);
}

// Registers two controls of one kind into the second record and checks entries, properties and subclassing.
template <typename Entry>
void CheckRegistration(std::vector<Entry> WindowSkinRecord::*list, WNDPROC procedure, HWND first, HWND second) {
    constexpr bool toolbar = Skin_UsesToolbarProperties<Entry>();
    const wchar_t* listId = toolbar ? SkinProp::kToolbarListId : SkinProp::kListId;
    const wchar_t* ownerId = toolbar ? SkinProp::kToolbarOwnerId : SkinProp::kOwnerId;
    const wchar_t* procId = toolbar ? SkinProp::kToolbarProc : SkinProp::kProc;
    const wchar_t* otherListId = toolbar ? SkinProp::kListId : SkinProp::kToolbarListId;
    std::vector<Entry>& entries = Skin_RecordAt(2)->*list;
    const LONG_PTR original = GetWindowLongPtrW(first, GWLP_WNDPROC);

    EXPECT_EQ(Skin_RegisterControl(2, entries, first, procedure), 1);  // the placeholder is taken, not appended to
    EXPECT_EQ(Skin_RegisterControl(2, entries, second, procedure), 2);
    ASSERT_EQ(entries.size(), 2u);
    EXPECT_EQ(entries[0].control, first);
    EXPECT_EQ(entries[1].control, second);
    for (HWND control : {first, second}) {
        EXPECT_EQ(Prop_GetInt(control, ownerId), 2);
        EXPECT_EQ(Prop_GetInt(control, procId), original);
        EXPECT_EQ(GetWindowLongPtrW(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(procedure));
        EXPECT_EQ(GetPropW(control, otherListId), nullptr);
    }
    EXPECT_EQ(Prop_GetInt(first, listId), 1);
    EXPECT_EQ(Prop_GetInt(second, listId), 2);
    if constexpr (requires { entries[0].previousProc; }) {
        EXPECT_EQ(entries[1].previousProc, original);
    }
    EXPECT_EQ(Skin_ControlEntry(second, list), &entries[1]);
}

TEST_F(SkinRegistryTest, RegistrationTakesThePlaceholderThenAppendsAndWritesProperties) {
    Dress(Make());
    HWND top = Make();
    ASSERT_EQ(Dress(top), 2);
    CheckRegistration(&WindowSkinRecord::buttons, ButtonProc, Child(top), Child(top));
    CheckRegistration(&WindowSkinRecord::labels, LabelProc, Child(top), Child(top));
    CheckRegistration(&WindowSkinRecord::toolbars, ToolbarProc, Child(top), Child(top));
    EXPECT_EQ(Skin_RegisterControl(3, Skin_RecordAt(2)->buttons, Child(top), ButtonProc), 0);  // no such record
    EXPECT_EQ(Skin_RegisterControl(2, Skin_RecordAt(2)->buttons, nullptr, ButtonProc), 0);
}

TEST_F(SkinRegistryTest, RegisteringAControlAgainKeepsItsEntryAndItsChain) {
    HWND top = Make();
    const int record = Dress(top);
    WindowSkinRecord& r = *Skin_RecordAt(record);
    HWND control = Child(top);
    ASSERT_EQ(Skin_RegisterControl(record, r.buttons, control, ButtonProc), 1);
    EXPECT_EQ(Skin_RegisterControl(record, r.buttons, control, ButtonProc), 1);
    EXPECT_EQ(r.buttons.size(), 1u);
    // Into another kind's list as well: it gets an entry there but the chain is not wound onto itself.
    EXPECT_EQ(Skin_RegisterControl(record, r.labels, control, LabelProc), 1);
    EXPECT_EQ(GetWindowLongPtrW(control, GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(ButtonProc));
    EXPECT_EQ(Send(control, kProbe, 4, 1), 5);
    EXPECT_EQ(recorded, (std::vector<Seen>{{control, kProbe, 4, 1}}));
    // A second dressing pass over the same window keeps its kept procedure too.
    EXPECT_EQ(Skin_Subclass(top, FrameProc), r.previousProc);
    EXPECT_EQ(Prop_GetInt(top, SkinProp::kProc), r.previousProc);
}

// One dressed window with a push button, an edit box with a scroll bar companion and a toolbar.
struct Dressed {
    HWND top, button, edit, companion, toolbar;
};

TEST_F(SkinRegistryTest, ReleasingAWindowRenumbersTheLaterRecordsAndTheirControls) {
    std::vector<Dressed> dressed;
    for (int i = 0; i < 3; ++i) {
        HWND top = Make();
        const int record = Dress(top);
        WindowSkinRecord& r = *Skin_RecordAt(record);
        Dressed d{top, Child(top), Child(top), Child(top), Child(top)};
        Skin_RegisterControl(record, r.buttons, d.button, ButtonProc);
        const int edit = Skin_RegisterControl(record, r.editBoxes, d.edit, EditProc);
        r.editBoxes[edit - 1].verticalBar = d.companion;
        Prop_SetInt(d.companion, SkinProp::kOwnerId, record);
        Skin_RegisterControl(record, r.toolbars, d.toolbar, ToolbarProc);
        dressed.push_back(d);
    }
    const auto expectNumbered = [&](const Dressed& d, int position) {
        SCOPED_TRACE(position);
        EXPECT_EQ(Skin_FindWindowRecord(d.top), position);
        EXPECT_EQ(Prop_GetInt(d.top, SkinProp::kListId), position);
        for (HWND control : {d.button, d.edit, d.companion}) {
            EXPECT_EQ(Prop_GetInt(control, SkinProp::kOwnerId), position);
        }
        EXPECT_EQ(Prop_GetInt(d.toolbar, SkinProp::kToolbarOwnerId), position);
        EXPECT_EQ(Prop_GetInt(d.button, SkinProp::kListId), 1);  // entry positions never change
        EXPECT_EQ(Prop_GetInt(d.toolbar, SkinProp::kToolbarListId), 1);
        // Found again through the properties alone, and the procedures keep working.
        EXPECT_EQ(Skin_WindowRecord(d.top), Skin_RecordAt(position));
        ASSERT_NE(Skin_ControlEntry(d.button, &WindowSkinRecord::buttons), nullptr);
        EXPECT_EQ(Skin_ControlEntry(d.toolbar, &WindowSkinRecord::toolbars)->control, d.toolbar);
        EXPECT_EQ(Send(d.button, kConsumed), 77);
        EXPECT_EQ(Send(d.toolbar, kConsumed), 77);
        recorded.clear();
        EXPECT_EQ(Send(d.button, kProbe, 1, 2), 3);
        EXPECT_EQ(recorded.size(), 1u);
    };

    DestroyWindow(dressed[0].top);  // the frame procedure tears down on WM_NCDESTROY
    ASSERT_EQ(Skin_Registry().size(), 2u);
    expectNumbered(dressed[1], 1);
    expectNumbered(dressed[2], 2);

    DestroyWindow(dressed[2].top);  // the last one: nothing moves
    ASSERT_EQ(Skin_Registry().size(), 1u);
    expectNumbered(dressed[1], 1);
    EXPECT_EQ(Skin_FindWindowRecord(dressed[0].top), 0);
}

TEST_F(SkinRegistryTest, ReleaseRestoresTheProcedureAndFreesWhatTheRecordHeld) {
    HWND top = Make();
    const LONG_PTR original = GetWindowLongPtrW(top, GWLP_WNDPROC);
    Skin_ReleaseWindow(top);  // not dressed: nothing happens
    const int record = Dress(top);
    WindowSkinRecord& r = *Skin_RecordAt(record);
    HWND edit = Child(top);
    Skin_RegisterControl(record, r.editBoxes, edit, EditProc);
    HBRUSH brush = CreateSolidBrush(RGB(1, 2, 3));
    HBITMAP brushBitmap = CreateBitmap(4, 4, 1, 32, nullptr);
    SetPropW(edit, SkinProp::kColourBrush, brush);
    SetPropW(edit, SkinProp::kColourBitmap, brushBitmap);

    // The surfaces as frame composition leaves them.
    HDC frameDC = CreateCompatibleDC(nullptr);
    HBITMAP frameBitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    SetPropW(top, SkinProp::kFrameOldBitmap, SelectObject(frameDC, frameBitmap));
    SetPropW(top, SkinProp::kFrameBitmap, frameBitmap);
    HDC stripDC = CreateCompatibleDC(nullptr);
    HBITMAP stripBitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    r.titleStripOldBitmap = static_cast<HBITMAP>(SelectObject(stripDC, stripBitmap));
    HDC copyDC = CreateCompatibleDC(nullptr);
    HBITMAP copyBitmap = CreateBitmap(8, 8, 1, 32, nullptr);
    SelectObject(copyDC, copyBitmap);
    r.frameDC = frameDC;
    r.titleStripDC = stripDC;
    r.titleStripBitmap = stripBitmap;
    r.frameCopyDC = copyDC;

    Skin_ReleaseWindow(top);
    EXPECT_TRUE(Skin_Registry().empty());
    EXPECT_EQ(GetWindowLongPtrW(top, GWLP_WNDPROC), original);
    for (HGDIOBJ object : std::initializer_list<HGDIOBJ>{brush, brushBitmap, frameDC, frameBitmap, stripDC, stripBitmap,
                                                         copyDC, copyBitmap}) {
        EXPECT_FALSE(IsGdiObject(object)) << object;
    }
    // Cleared, so that nothing deletes them again later.
    EXPECT_EQ(GetPropW(edit, SkinProp::kColourBrush), nullptr);
    EXPECT_EQ(GetPropW(top, SkinProp::kFrameBitmap), nullptr);
    recorded.clear();
    EXPECT_EQ(Send(top, kProbe, 2, 2), 0);
    EXPECT_EQ(recorded.size(), 1u);
}

TEST_F(SkinRegistryTest, OwnerRecordIsFoundUpTheParentAndOwnerChain) {
    HWND other = Make();
    Dress(other);
    HWND top = Make();
    const int record = Dress(top);
    HWND child = Child(top);
    HWND grandchild = Child(child);
    HWND ownedPopup = Make(child, WS_POPUP);
    const struct {
        HWND window;
        int expected;
    } cases[] = {{top, record}, {child, record}, {grandchild, record}, {ownedPopup, record}, {Make(), 0}, {nullptr, 0}};
    for (const auto& c : cases) EXPECT_EQ(Skin_FindOwnerRecord(c.window), c.expected) << c.window;
    EXPECT_EQ(Skin_FindWindowRecord(child), 0);

    // A pop-up owned by a window that is then made its child: the chain comes back on itself, and the walk ends.
    HWND owner = Make();
    HWND popup = Make(owner, WS_POPUP);
    SetWindowLongPtrW(owner, GWL_STYLE, WS_CHILD);
    SetParent(owner, popup);
    if (GetParent(popup) != owner || GetParent(owner) != popup) GTEST_SKIP() << "no loop could be made";
    EXPECT_EQ(Skin_FindOwnerRecord(popup), 0);
    EXPECT_EQ(Skin_FindOwnerRecord(owner), 0);
    SetParent(owner, nullptr);
    SetWindowLongPtrW(owner, GWL_STYLE, WS_POPUP);
}

TEST_F(SkinRegistryTest, PositionsOutsideTheListsPassTheMessageOnUnchanged) {
    HWND top = Make();
    const int record = Dress(top);
    HWND control = Child(top);
    HWND stranger = Child(top);
    Skin_RegisterControl(record, Skin_RecordAt(record)->buttons, control, ButtonProc);
    Skin_RegisterControl(record, Skin_RecordAt(record)->buttons, stranger, ButtonProc);
    const struct {
        LONG_PTR owner, entry;
    } cases[] = {{0, 1}, {2, 1}, {-1, 1}, {1, 0}, {1, 3}, {1, -1}, {1, 2},  // entry 2 is another control's
#ifdef _WIN64
                 {(LONG_PTR{1} << 32) + 1, 1}, {1, (LONG_PTR{1} << 32) + 1},  // would narrow to 1
#endif
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(testing::Message() << c.owner << ", " << c.entry);
        Prop_SetInt(control, SkinProp::kOwnerId, c.owner);
        Prop_SetInt(control, SkinProp::kListId, c.entry);
        EXPECT_EQ(Skin_ControlEntry(control, &WindowSkinRecord::buttons), nullptr);
        recorded.clear();
        EXPECT_EQ(Send(control, kConsumed, 0x30, 0x0F), 0x3F);
        EXPECT_EQ(recorded, (std::vector<Seen>{{control, kConsumed, 0x30, 0x0F}}));
    }
    Prop_SetInt(top, SkinProp::kListId, 2);
    EXPECT_EQ(Skin_WindowRecord(top), nullptr);
    Prop_SetInt(top, SkinProp::kListId, record);
    EXPECT_EQ(Skin_WindowRecord(top), Skin_RecordAt(record));
}

}  // namespace
