// Skinned buttons: which buttons the skin takes over, the push button's looks probed on its painted picture, the
// press-and-drag-out sequence as the system's button procedure sees it, and the tinted check glyph.
#include "image/bitmap_object.h"
#include "image/gdiplus_session.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/painters/basic/button_painter.h"
#include "tests/skin/painters/basic/painted_window.h"
#include "tests/support/gdi_probe.h"
#include "toolkit/gdi_handle.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <vector>

namespace {

constexpr uint32_t kBackground = PaintedWindow::kBackground;

// What the skin passes on: a subclass under the skin procedure that logs button messages before the system's
// button procedure handles them.
struct Passed {
    UINT message;
    WPARAM wParam;
    bool operator==(const Passed&) const = default;
};
std::vector<Passed> passed;
WNDPROC systemButtonProc = nullptr;

LRESULT CALLBACK LoggingProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
    case BM_SETSTATE:
        passed.push_back({message, wParam});
        break;
    default:
        break;
    }
    return CallWindowProcW(systemButtonProc, window, message, wParam, lParam);
}

void LogUnderSkin(HWND button) {
    systemButtonProc =
        reinterpret_cast<WNDPROC>(SetWindowLongPtrW(button, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(LoggingProc)));
}

LPARAM At(int x, int y) { return MAKELPARAM(static_cast<WORD>(x), static_cast<WORD>(y)); }

class ButtonPainter : public testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(gdiplus_.ok());
        Skin_State().skinControls = 1;
        Skin_State().themeColour = kDefaultThemeColour;
        passed.clear();
    }
    void TearDown() override { Skin_State().themeColour = kDefaultThemeColour; }

    const ButtonEntry* EntryOf(HWND button) { return Skin_ControlEntry(button, &WindowSkinRecord::buttons); }

    GdiPlusSession gdiplus_;
};

TEST_F(ButtonPainter, RegistrationTakesPushButtonsCheckBoxesAndAutomaticRadioButtonsOnly) {
    struct Case {
        const wchar_t* name;
        LONG type;
        std::optional<int> kind;  // none: the system look stays
    };
    const Case cases[] = {
        {L"push", BS_PUSHBUTTON, kButtonPush},         {L"default push", BS_DEFPUSHBUTTON, kButtonPush},
        {L"user", BS_USERBUTTON, kButtonPush},         {L"check", BS_CHECKBOX, kButtonCheck},
        {L"auto check", BS_AUTOCHECKBOX, kButtonCheck}, {L"push box", BS_PUSHBOX, kButtonCheck},
        {L"auto radio", BS_AUTORADIOBUTTON, kButtonRadio}, {L"radio", BS_RADIOBUTTON, std::nullopt},
        {L"3state", BS_3STATE, std::nullopt},          {L"auto 3state", BS_AUTO3STATE, std::nullopt},
        {L"group", BS_GROUPBOX, std::nullopt},         {L"owner-drawn", BS_OWNERDRAW, std::nullopt},
    };
    PaintedWindow host;
    FontHandle bold(CreateFontW(-16, 0, 0, 0, FW_BOLD, 0, 0, 0, DEFAULT_CHARSET, 0, 0, 0, 0, L"Tahoma"));
    std::vector<HWND> buttons;
    for (const Case& c : cases) {
        HWND button = host.Child(L"BUTTON", c.name, c.type, 10, 10, 60, 20);
        SendMessageW(button, WM_SETFONT, reinterpret_cast<WPARAM>(bold.get()), FALSE);
        buttons.push_back(button);
    }
    const WNDPROC systemProc = reinterpret_cast<WNDPROC>(GetWindowLongPtrW(buttons[0], GWLP_WNDPROC));
    Button_Register(host.position(), host.window());
    Button_RegisterChecks(host.position(), host.window());
    Button_Register(host.position(), host.window());  // a second pass finds nothing new

    for (size_t i = 0; i < std::size(cases); ++i) {
        const Case& c = cases[i];
        SCOPED_TRACE(testing::Message() << "style " << c.type);
        const LONG style = GetWindowLongW(buttons[i], GWL_STYLE);
        const ButtonEntry* entry = EntryOf(buttons[i]);
        if (!c.kind) {
            EXPECT_EQ(entry, nullptr);
            EXPECT_EQ(GetWindowLongPtrW(buttons[i], GWLP_WNDPROC), reinterpret_cast<LONG_PTR>(systemProc));
            EXPECT_EQ(style & 0xF, c.type);
            continue;
        }
        ASSERT_NE(entry, nullptr);
        EXPECT_EQ(entry->kind, *c.kind);
        EXPECT_EQ(style & 0xF, *c.kind == kButtonPush ? BS_OWNERDRAW : c.type);
        EXPECT_EQ(entry->text.size(), wcslen(c.name));
        EXPECT_EQ(entry->fontSize, 16);
        EXPECT_EQ(entry->fontStyle & 1, 1);  // bold
    }
    EXPECT_EQ(host.record().buttons.size(), 7u);

    // A button without a font of its own, and a window that leaves its controls alone.
    HWND plain = host.Child(L"BUTTON", L"", BS_PUSHBUTTON, 10, 40, 60, 20);
    const ControlFont none = Control_ReadFont(plain);
    EXPECT_EQ(none.family, "宋体");  // CP936 literal
    EXPECT_EQ(none.size, 12);
    Skin_State().skinControls = 0;
    Button_Register(host.position(), host.window());
    EXPECT_EQ(EntryOf(plain), nullptr);
}

// The push button's looks, painted straight onto a surface. Probes: a corner outside the rounded plate, the left
// edge, the pixel inside it, and the upper middle (above the text).
TEST_F(ButtonPainter, PushButtonLooksFollowTheItemState) {
    PaintedWindow host;
    HWND button = host.Child(L"BUTTON", L"OK", BS_PUSHBUTTON, 20, 20, 80, 30);
    Button_Register(host.position(), host.window());
    const RECT rect{0, 0, 80, 30};
    const auto paint = [&](UINT state) {
        auto surface = std::make_unique<DibSurface>(80, 30, 0x00FF00FF);
        Button_PaintPush(button, surface->dc(), state, rect);
        return surface;
    };

    enum Probe { Any, Background, Grey, Tinted };
    struct Case {
        const char* name;
        UINT state;
        Probe corner, edge, inside, upperMiddle;
    };
    const Case cases[] = {
        {"plain", 0, Background, Grey, Grey, Grey},
        {"hover", ODS_HOTLIGHT, Background, Tinted, Tinted, Tinted},
        {"focus", ODS_FOCUS, Background, Any, Tinted, Grey},
        {"pressed with focus", ODS_SELECTED | ODS_FOCUS, Background, Any, Tinted, Tinted},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        const auto surface = paint(c.state);
        const auto check = [&](Probe probe, int x, int y) {
            const uint32_t p = surface->At(x, y);
            SCOPED_TRACE(testing::Message() << "at " << x << "," << y << " pixel " << std::hex << p);
            if (probe == Background) {
                EXPECT_EQ(p, kBackground);
            } else if (probe == Grey) {
                EXPECT_TRUE(IsGrey(p) && p != kBackground);
            } else if (probe == Tinted) {
                EXPECT_TRUE(IsTinted(p));
            }
        };
        check(c.corner, 0, 0);
        check(c.edge, 0, 15);
        check(c.inside, 1, 15);
        check(c.upperMiddle, 40, 4);
    }
    // The plain plate is a translucent white veil over the background, darker at its outline.
    const auto plain = paint(0);
    EXPECT_GT(Red(plain->At(40, 4)), Red(kBackground) + 40);
    EXPECT_LT(Red(plain->At(0, 15)), Red(plain->At(5, 15)));

    // Disabled: a square, opaque light grey plate with a darker rounded outline, whatever else the state says.
    SetPropW(button, SkinProp::kTextColour, reinterpret_cast<HANDLE>(static_cast<LONG_PTR>(RGB(255, 0, 0))));
    const auto disabled = paint(ODS_DISABLED);
    EXPECT_EQ(disabled->At(0, 0), 0xC0C0C0u);
    EXPECT_EQ(disabled->At(40, 4), 0xC0C0C0u);
    EXPECT_TRUE(IsGrey(disabled->At(0, 15)) && Red(disabled->At(0, 15)) < 0xB0);
    bool redText = false;
    for (int x = 25; x < 55; ++x)
        for (int y = 8; y < 28; ++y) redText |= Red(disabled->At(x, y)) > Green(disabled->At(x, y)) + 60;
    EXPECT_TRUE(redText) << "the text is drawn in the control's text colour";
    const auto everything = paint(ODS_DISABLED | ODS_HOTLIGHT | ODS_FOCUS | ODS_SELECTED);
    for (int y = 0; y < 30; ++y)
        for (int x = 0; x < 80; ++x) ASSERT_EQ(everything->At(x, y), disabled->At(x, y)) << x << "," << y;

    // The finished picture is also in the whole-window copy, at the button's place.
    EXPECT_EQ(host.CopyAt(20 + 40, 20 + 4), disabled->At(40, 4));
    EXPECT_EQ(host.CopyAt(19, 20), kBackground);
}

TEST_F(ButtonPainter, DrawItemRelayPaintsRegisteredPushButtonsOnly) {
    PaintedWindow host;
    HWND push = host.Child(L"BUTTON", L"push", BS_PUSHBUTTON, 10, 10, 80, 30);
    HWND check = host.Child(L"BUTTON", L"check", BS_AUTOCHECKBOX, 10, 50, 80, 30);
    HWND foreign = host.Child(L"BUTTON", L"foreign", BS_OWNERDRAW, 10, 90, 80, 30);
    Button_Register(host.position(), host.window());
    Button_RegisterChecks(host.position(), host.window());
    for (HWND button : {push, check, foreign}) {
        DibSurface surface(80, 30, 0x00FF00FF);
        DRAWITEMSTRUCT item{ODT_BUTTON, 0, 0, ODA_DRAWENTIRE, 0, button, surface.dc(), {0, 0, 80, 30}, 0};
        Button_RelayDrawItem(&item);
        EXPECT_EQ(surface.At(40, 4) != 0x00FF00FFu, button == push);
    }
    Button_RelayDrawItem(nullptr);
}

// Pressing a push button, dragging out, leaving and releasing outside: the skin keeps the pressed state while the
// mouse button is down, shows the focus look once the mouse has left, and nothing is clicked.
TEST_F(ButtonPainter, PressAndDragOutKeepsThePressUntilTheButtonComesUp) {
    PaintedWindow host;
    HWND button = host.Child(L"BUTTON", L"OK", BS_PUSHBUTTON, 20, 20, 80, 30);
    LogUnderSkin(button);
    Button_Register(host.position(), host.window());
    PaintedWindow::DrawItemStates().clear();

    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    Pump();
    ASSERT_FALSE(PaintedWindow::DrawItemStates().empty());
    EXPECT_EQ(PaintedWindow::DrawItemStates().back() & (ODS_SELECTED | ODS_FOCUS), ODS_SELECTED | ODS_FOCUS);
    EXPECT_TRUE(IsTinted(host.CopyAt(20 + 40, 20 + 4))) << "pressed inset";
    EXPECT_EQ(EntryOf(button)->pressed, 1);
    EXPECT_EQ(EntryOf(button)->focused, 1);

    SendMessageW(button, WM_MOUSEMOVE, MK_LBUTTON, At(200, 10));  // dragged out: the system un-highlights
    EXPECT_EQ(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED, BST_PUSHED);
    SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    EXPECT_FALSE(IsTinted(host.CopyAt(20 + 40, 20 + 4))) << "no inset after leaving";
    EXPECT_TRUE(IsTinted(host.CopyAt(20 + 1, 20 + 15))) << "focus glow after leaving";

    SendMessageW(button, WM_LBUTTONUP, 0, At(200, 10));
    Pump();
    EXPECT_EQ(EntryOf(button)->pressed, 0);
    EXPECT_EQ(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0);
    EXPECT_EQ(passed, (std::vector<Passed>{{WM_LBUTTONDOWN, MK_LBUTTON},
                                           {BM_SETSTATE, TRUE},
                                           {WM_LBUTTONUP, 0},
                                           {BM_SETSTATE, FALSE}}));
    for (UINT code : PaintedWindow::Notifications()) EXPECT_NE(code, BN_CLICKED);
    // Hovering again repaints the plate once in its hover look.
    host.record().hoverPainted = 0;
    SendMessageW(button, WM_MOUSEMOVE, 0, At(10, 10));
    EXPECT_TRUE(IsTinted(host.CopyAt(20 + 0, 20 + 15)));
    EXPECT_EQ(host.record().hoverPainted, 1);
    EXPECT_EQ(host.record().hoverKind, 0);
}

TEST_F(ButtonPainter, LosingTheCaptureEndsThePress) {
    PaintedWindow host;
    HWND button = host.Child(L"BUTTON", L"OK", BS_PUSHBUTTON, 20, 20, 80, 30);
    Button_Register(host.position(), host.window());
    SendMessageW(button, WM_LBUTTONDOWN, MK_LBUTTON, At(10, 10));
    ASSERT_EQ(GetCapture(), button);
    ReleaseCapture();  // another window took the mouse before the button came up
    EXPECT_EQ(EntryOf(button)->pressed, 0);
    EXPECT_EQ(SendMessageW(button, BM_GETSTATE, 0, 0) & BST_PUSHED, 0) << "the button does not stay pushed";
}

TEST_F(ButtonPainter, DoubleClicksDoNothing) {
    PaintedWindow host;
    HWND push = host.Child(L"BUTTON", L"push", BS_PUSHBUTTON | BS_NOTIFY, 10, 10, 80, 30);
    HWND check = host.Child(L"BUTTON", L"check", BS_AUTOCHECKBOX | BS_NOTIFY, 10, 50, 80, 30);
    HWND radio = host.Child(L"BUTTON", L"radio", BS_AUTORADIOBUTTON | BS_NOTIFY, 10, 90, 80, 30);
    for (HWND button : {push, check, radio}) LogUnderSkin(button);
    Button_Register(host.position(), host.window());
    Button_RegisterChecks(host.position(), host.window());
    PaintedWindow::Notifications().clear();
    for (HWND button : {push, check, radio}) {
        EXPECT_EQ(SendMessageW(button, WM_LBUTTONDBLCLK, MK_LBUTTON, At(5, 5)), 0);
        SendMessageW(button, WM_LBUTTONUP, 0, At(5, 5));
    }
    Pump();
    EXPECT_EQ(SendMessageW(check, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_EQ(SendMessageW(radio, BM_GETCHECK, 0, 0), BST_UNCHECKED);
    EXPECT_TRUE(PaintedWindow::Notifications().empty());
    for (const Passed& p : passed) EXPECT_NE(p.message, static_cast<UINT>(WM_LBUTTONDBLCLK));
}

// The glyph as the program stores it, and recoloured: a white theme keeps the colours and only changes the
// opacities; a red theme keeps the red channel scaled and drops green and blue.
TEST_F(ButtonPainter, CheckGlyphTakesTheThemeColour) {
    struct Case {
        COLORREF theme;
        Argb expectedAt12x0;  // listed as D3E6AF/255; grey 205 gives opacity 50
    };
    const Case cases[] = {{RGB(255, 255, 255), 0x32D3E6AF}, {RGB(255, 0, 0), 0x32D30000}};
    for (const Case& c : cases) {
        Skin_State().themeColour = c.theme;
        const Bytes png = Button_MakeCheckGlyph();
        BitmapObject glyph;
        ASSERT_TRUE(Bitmap_LoadFromBytes(glyph, png));
        EXPECT_EQ(Bitmap_GetPixel(glyph, 12, 0), c.expectedAt12x0);
        int shown = 0;
        for (int y = 0; y < kCheckGlyphHeight; ++y)
            for (int x = 0; x < kCheckGlyphWidth; ++x) shown += (Bitmap_GetPixel(glyph, x, y) >> 24) != 0;
        EXPECT_EQ(shown, 46);
    }
    BitmapObject stored;
    ASSERT_TRUE(Bitmap_LoadFromBytes(stored, ByteView(kCheckGlyphPng, kCheckGlyphPngSize)));
    EXPECT_EQ(Bitmap_GetPixel(stored, 4, 7), 0xFF5C9309u);
    EXPECT_EQ(Bitmap_GetPixel(stored, 0, 0), 0x00FFFFFFu);
}

TEST_F(ButtonPainter, CheckedCheckBoxShowsTheTintedGlyph) {
    PaintedWindow host;
    HWND check = host.Child(L"BUTTON", L"check", BS_AUTOCHECKBOX, 20, 20, 100, 24);
    HWND radio = host.Child(L"BUTTON", L"radio", BS_AUTORADIOBUTTON, 20, 60, 100, 24);
    Button_RegisterChecks(host.position(), host.window());
    Skin_State().themeColour = RGB(255, 0, 0);
    // Glyph row 7, column 4 sits at (x0 + 2 + 4, c + 7) with c = (24 - 12) / 2.
    const int gx = 20 + 2 + 4, gy = 20 + 6 + 7;
    Button_PaintCheck(check, 0);
    EXPECT_TRUE(IsGrey(host.CopyAt(gx, gy))) << "unchecked: the white box";
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    const uint32_t tinted = host.CopyAt(gx, gy);
    EXPECT_GT(Red(tinted), Green(tinted) + 40) << std::hex << tinted;
    EXPECT_NEAR(Green(tinted), Blue(tinted), 4);

    // The radio dot is theme-coloured once checked: somewhere in it red stands out.
    const auto reddest = [&] {
        int most = -255;
        for (int y = 60 + 6 + 3; y < 60 + 6 + 9; ++y)
            for (int x = 20 + 5; x < 20 + 11; ++x) most = std::max(most, Red(host.CopyAt(x, y)) - Green(host.CopyAt(x, y)));
        return most;
    };
    Button_PaintRadio(radio, 0);
    EXPECT_LT(reddest(), 10);
    SendMessageW(radio, BM_SETCHECK, BST_CHECKED, 0);
    EXPECT_GT(reddest(), 60);

    // Hover gives the box a halo: pixels just outside it are no longer the background.
    Button_PaintCheck(check, ODS_HOTLIGHT);
    EXPECT_NE(host.CopyAt(20 + 1, 20 + 6 + 6), kBackground);
    Button_PaintCheck(check, 0);
    EXPECT_EQ(host.CopyAt(20 + 0, 20 + 6 + 6), kBackground);
}

TEST_F(ButtonPainter, HoverCyclesLeakNoGdiObject) {
    PaintedWindow host;
    HWND push = host.Child(L"BUTTON", L"OK", BS_PUSHBUTTON, 20, 20, 80, 30);
    HWND check = host.Child(L"BUTTON", L"check", BS_AUTOCHECKBOX, 20, 60, 100, 24);
    Button_Register(host.position(), host.window());
    Button_RegisterChecks(host.position(), host.window());
    SendMessageW(check, BM_SETCHECK, BST_CHECKED, 0);
    const auto cycle = [&](HWND button) {
        SendMessageW(button, WM_MOUSEMOVE, 0, At(5, 5));
        SendMessageW(button, WM_MOUSELEAVE, 0, 0);
    };
    for (int i = 0; i < 20; ++i) cycle(push), cycle(check);  // warm-up: caches inside GDI and GDI+
    Pump();
    const int before = Gdi_Headroom();
    for (int i = 0; i < 10000; ++i) {
        cycle(push);
        if (i % 10 == 0) cycle(check);
        if (i % 100 == 0) Pump();
    }
    Pump();
    const int after = Gdi_Headroom();
    std::printf("GDI headroom before %d, after %d over 10,000 push and 1,000 check box hover cycles\n", before, after);
    EXPECT_GE(after, before - 2);
}

}  // namespace
