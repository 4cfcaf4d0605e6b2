// Edit boxes and combo boxes under the skin: the frame ring and its borders, the text and background of the
// inside, combo box faces with their keyed-out edit fields, text colours, registration and GDI leaks. Pictures are
// probed in the whole-window copy and in DIB sections the controls paint into.
#include "skin/painters/basic/edit_combo.h"

#include "skin/core/control_registration.h"
#include "skin/painters/basic/text_colour.h"
#include "tests/skin/painters/basic/edit_fixture.h"
#include "tests/support/gdi_probe.h"
#include "toolkit/codepage.h"

#include <gtest/gtest.h>

#include <functional>
#include <utility>
#include <vector>

namespace {

using namespace edit_fixture;

constexpr COLORREF kCyan = 0xFFFF00;  // red 0, green 255, blue 255
constexpr COLORREF kRed = 0x0000FF;

bool IsCyanish(uint32_t p) { return ((p >> 16) & 0xFF) < 90 && ((p >> 8) & 0xFF) > 170 && (p & 0xFF) > 170; }
bool IsRedish(uint32_t p) { return ((p >> 16) & 0xFF) > 170 && ((p >> 8) & 0xFF) < 90 && (p & 0xFF) < 90; }
bool IsDark(uint32_t p) { return ((p >> 16) & 0xFF) < 80 && ((p >> 8) & 0xFF) < 80 && (p & 0xFF) < 80; }

int Count(const DibSurface& surface, const std::function<bool(uint32_t)>& test) {
    int n = 0;
    for (int y = 0; y < surface.height(); ++y)
        for (int x = 0; x < surface.width(); ++x) n += test(surface.At(x, y)) ? 1 : 0;
    return n;
}

class EditComboPainter : public DressedWindow {
protected:
    // The edit box's client area as the system paints it, into a DIB: the colour answer comes from its parent.
    DibSurface PaintInside(HWND edit) {
        RECT client{};
        GetClientRect(edit, &client);
        DibSurface surface(client.right, client.bottom, kMarker);
        SendMessageW(edit, WM_PAINT, reinterpret_cast<WPARAM>(surface.dc()), 0);
        return surface;
    }
    RECT InTop(HWND control) {
        RECT r{}, top{};
        GetWindowRect(control, &r);
        GetWindowRect(top_, &top);
        OffsetRect(&r, -top.left, -top.top);
        return r;
    }
};

TEST_F(EditComboPainter, FrameRingAndBorderFollowStyleFocusAndHover) {
    const COLORREF theme = kDefaultThemeColour;
    struct Case {
        const char* name;
        DWORD style, exStyle;
        int translucent;
        bool focused, hovered;
        uint32_t corner, inner;  // pixels (0, 0) and (1, 1) of the edit's window
    };
    const uint32_t white = kWhite, bg = kBackground;
    const Case cases[] = {
        {"WS_BORDER, opaque", WS_BORDER, 0, 0, false, false, Blend(white, 0, 80), 0},
        {"WS_BORDER, focused", WS_BORDER, 0, 0, true, false, Blend(white, theme, 180), 0},
        {"WS_BORDER, hovered keeps one line", WS_BORDER, 0, 0, false, true, Blend(white, 0, 80), 0},
        {"edge, plain", 0, WS_EX_CLIENTEDGE, 0, false, false, Blend(white, 0, 80), white},
        {"edge, hovered: two theme pixels", 0, WS_EX_CLIENTEDGE, 0, false, true,
         Blend(Blend(white, 0xFFFFFF, 60), theme, 90), Blend(white, theme, 180)},
        {"edge, translucent with a clear veil", 0, WS_EX_CLIENTEDGE, 1, false, false, Blend(bg, 0, 80), bg},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        Skin_State().translucentControls = c.translucent;
        HWND edit = Child(L"Edit", WS_VISIBLE, c.exStyle, 20, 20, 120, 26);
        if (c.style) {
            // The edit box draws a border given at creation inside its client area; one added later is the
            // window's own, outside it.
            SetWindowLongPtrW(edit, GWL_STYLE, GetWindowLongPtrW(edit, GWL_STYLE) | c.style);
            SetWindowPos(edit, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_FRAMECHANGED);
        }
        Register();
        MarkFrameCopy();
        Edit_PaintFrame(edit, c.focused, c.hovered);
        const RECT at = InTop(edit);
        EXPECT_TRUE(Near(Pixel(FrameCopy(), at.left, at.top), c.corner))
            << std::hex << Pixel(FrameCopy(), at.left, at.top) << " expected " << c.corner;
        if (c.inner) {
            EXPECT_TRUE(Near(Pixel(FrameCopy(), at.left + 1, at.top + 1), c.inner));
        }
        // The inside is not the ring's: the picture there is the plain background.
        EXPECT_EQ(Pixel(FrameCopy(), (at.left + at.right) / 2, (at.top + at.bottom) / 2), kBackground);
        DestroyWindow(edit);
    }
}

TEST_F(EditComboPainter, BorderlessEditGetsOnlyTheRingAroundItsScrollBar) {
    for (int translucent : {0, 1}) {
        SCOPED_TRACE(translucent);
        Skin_State().translucentControls = translucent;
        HWND edit = Child(L"Edit", WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 20, 20, 140, 80);
        Register();
        MarkFrameCopy();
        Edit_PaintFrame(edit);
        const RECT at = InTop(edit);
        EXPECT_EQ(Pixel(FrameCopy(), at.left, at.top), kBackground);  // no border line
        EXPECT_EQ(Pixel(FrameCopy(), at.right - 5, at.top + 40), translucent ? kBackground : kWhite);
        DestroyWindow(edit);
    }
}

TEST_F(EditComboPainter, InsideShowsBackgroundAndTextColourOnlyWhileTranslucent) {
    // Translucent with a clear veil: the window's background and the text in the edit's own colour.
    HWND edit = Child(L"Edit", WS_VISIBLE, 0, 20, 20, 160, 24, nullptr, L"MMMMMMMM");
    Register();
    Skin_SetTextColor(edit, kCyan);
    {
        DibSurface inside = PaintInside(edit);
        EXPECT_EQ(inside.At(inside.width() - 2, inside.height() / 2), kBackground);
        EXPECT_GT(Count(inside, IsCyanish), 10);
        EXPECT_EQ(Count(inside, IsDark), 0);
    }
    // Opaque controls keep the system colours: white inside, dark text, whatever the colour property says.
    Skin_State().translucentControls = 0;
    {
        DibSurface inside = PaintInside(edit);
        EXPECT_EQ(inside.At(inside.width() - 2, inside.height() / 2), kWhite);
        EXPECT_GT(Count(inside, IsDark), 10);
        EXPECT_EQ(Count(inside, IsCyanish), 0);
    }
}

TEST_F(EditComboPainter, EraseLaysTheVeiledBackgroundWhileTranslucent) {
    Skin_State().controlFillAlpha = 128;
    HWND edit = Child(L"Edit", WS_VISIBLE, 0, 20, 20, 100, 24);
    Register();
    DibSurface surface(100, 24, kMarker);
    EXPECT_EQ(SendMessageW(edit, WM_ERASEBKGND, reinterpret_cast<WPARAM>(surface.dc()), 0), 1);
    EXPECT_TRUE(Near(surface.At(10, 10), Blend(kBackground, 0xFFFFFF, 128)));
}

TEST_F(EditComboPainter, DropDownKeepsItsEditFieldAndDrawsItsButton) {
    HWND combo = Child(L"ComboBox", WS_VISIBLE | CBS_DROPDOWN, 0, 20, 60, 160, 200);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"one"));
    Register();
    HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_NE(EditOf(edit), nullptr);  // translucent: its edit field is an edit box of the skin

    MarkFrameCopy();
    Combo_Paint(combo);
    const RECT field = InTop(edit), box = InTop(combo);
    COMBOBOXINFO info{};
    info.cbSize = sizeof info;
    GetComboBoxInfo(combo, &info);
    EXPECT_EQ(Pixel(FrameCopy(), (field.left + field.right) / 2, (field.top + field.bottom) / 2), kMarker);
    EXPECT_TRUE(Near(Pixel(FrameCopy(), box.left, (box.top + box.bottom) / 2), Blend(kBackground, 0, 80)));
    const int bx = box.left + (info.rcButton.left + info.rcButton.right) / 2 - 5;
    const int by = box.top + (info.rcButton.top + info.rcButton.bottom) / 2;
    EXPECT_NE(Pixel(FrameCopy(), bx, by), kMarker);
    EXPECT_NE(Pixel(FrameCopy(), bx, by), kBackground);  // the button's tinted face
}

TEST_F(EditComboPainter, DropDownListDrawsItsTextInTheSkinFontAndColour) {
    HWND combo = Child(L"ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, 0, 20, 60, 200, 200);
    SendMessageW(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"WWWWWW"));
    SendMessageW(combo, CB_SETCURSEL, 0, 0);
    // A tall font of the control's own has no say over the skin's drawing.
    LOGFONTW tall{};
    tall.lfHeight = -40;
    lstrcpyW(tall.lfFaceName, L"Arial");
    HFONT font = CreateFontIndirectW(&tall);
    SendMessageW(combo, WM_SETFONT, reinterpret_cast<WPARAM>(font), FALSE);
    Register();
    Prop_SetInt(combo, SkinProp::kTextColour, kRed);

    MarkFrameCopy();
    Combo_Paint(combo);
    const RECT box = InTop(combo);
    const int h = box.bottom - box.top, w = box.right - box.left;
    const int top = box.top + (h - 12) / 2;
    int red = 0, outside = 0;
    for (int y = box.top; y < box.bottom; ++y) {
        for (int x = box.left; x < box.right; ++x) {
            if (!IsRedish(Pixel(FrameCopy(), x, y))) continue;
            ++red;
            // 12-pixel text: a row band from the layout's top, left of the drop-down button.
            if (y < top || y > top + 14 || x < box.left + 2 || x >= box.left + w - 15) ++outside;
        }
    }
    EXPECT_GT(red, 10);
    EXPECT_EQ(outside, 0);
    DestroyWindow(combo);
    DeleteObject(font);
}

TEST_F(EditComboPainter, ComboEditFieldAnswersWithItsOwnColourOverTheBackground) {
    HWND combo = Child(L"ComboBox", WS_VISIBLE | CBS_DROPDOWN, 0, 20, 60, 200, 200);
    Register();
    SetWindowTextW(combo, L"MMMMMM");
    Skin_SetTextColor(combo, kCyan);  // passed on to the edit field
    HWND edit = FindWindowExW(combo, nullptr, L"Edit", nullptr);
    ASSERT_NE(edit, nullptr);
    EXPECT_EQ(Control_TextColour(edit), kCyan);
    DibSurface inside = PaintInside(edit);
    EXPECT_GT(Count(inside, IsCyanish), 10);
    EXPECT_EQ(inside.At(inside.width() - 2, inside.height() / 2), kBackground);
}

TEST_F(EditComboPainter, TextColourGoesToTheRightWindow) {
    HWND edit = Child(L"Edit", WS_VISIBLE, 0, 20, 20, 100, 24);
    HWND dropDown = Child(L"ComboBox", WS_VISIBLE | CBS_DROPDOWN, 0, 20, 60, 100, 100);
    HWND dropList = Child(L"ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, 0, 20, 100, 100, 100);
    HWND field = FindWindowExW(dropDown, nullptr, L"Edit", nullptr);

    Skin_SetTextColor(edit, kRed);  // before dressing: registration writes black over it
    Register();
    EXPECT_EQ(Control_TextColour(edit), 0u);

    Skin_SetTextColor(nullptr, kRed);  // nothing happens
    Skin_SetTextColor(edit, kRed);
    Skin_SetTextColor(dropDown, kCyan);
    Skin_SetTextColor(dropList, kCyan);
    EXPECT_EQ(Control_TextColour(edit), kRed);
    EXPECT_EQ(Control_TextColour(field), kCyan);
    EXPECT_EQ(Control_TextColour(dropDown), 0u);
    EXPECT_EQ(Control_TextColour(dropList), 0u);
}

TEST_F(EditComboPainter, RegistrationMakesCompanionsPerStyleAndKeepsEntries) {
    HWND both = Child(L"Edit", WS_VISIBLE | ES_MULTILINE | WS_VSCROLL | WS_HSCROLL, 0, 20, 20, 150, 90);
    HWND plain = Child(L"Edit", WS_VISIBLE, 0, 200, 20, 100, 24);
    HWND combo = Child(L"ComboBox", WS_VISIBLE | CBS_DROPDOWNLIST, 0, 20, 140, 100, 100);
    Register();
    ASSERT_NE(EditOf(both), nullptr);
    EXPECT_NE(EditOf(both)->verticalBar, nullptr);
    EXPECT_NE(EditOf(both)->horizontalBar, nullptr);
    EXPECT_EQ(EditOf(plain)->verticalBar, nullptr);
    EXPECT_EQ(EditOf(plain)->horizontalBar, nullptr);
    EXPECT_EQ(Record().comboBoxes.size(), 1u);  // the placeholder was taken
    EXPECT_EQ(Record().comboBoxes[0].control, combo);

    const HWND bar = EditOf(both)->verticalBar;
    const int entry = Skin_FindEntry(Record().editBoxes, both);
    Register();  // a second pass keeps each edit box's entry and companions
    EXPECT_EQ(Skin_FindEntry(Record().editBoxes, both), entry);
    EXPECT_EQ(EditOf(both)->verticalBar, bar);
    EXPECT_EQ(Record().editBoxes.size(), 2u);

    // With the skin leaving controls alone nothing is registered.
    HWND later = Child(L"Edit", WS_VISIBLE, 0, 200, 60, 100, 24);
    Skin_State().skinControls = 0;
    Register();
    EXPECT_EQ(EditOf(later), nullptr);
}

// The pattern brush and bitmap of a colour answer go with the edit box, or with the window's teardown when that
// comes first; neither deletes them twice (a second delete would hit whatever got the handle next).
TEST_F(EditComboPainter, ColourBrushIsDeletedExactlyOnce) {
    HWND first = Child(L"Edit", WS_VISIBLE, 0, 20, 20, 100, 24);
    HWND second = Child(L"Edit", WS_VISIBLE, 0, 20, 60, 100, 24);
    Register();
    const auto kept = [](HWND edit) {
        return std::pair{GetPropW(edit, SkinProp::kColourBrush), GetPropW(edit, SkinProp::kColourBitmap)};
    };
    PaintInside(first);
    PaintInside(second);
    const auto [brush1, bitmap1] = kept(first);
    const auto [brush2, bitmap2] = kept(second);
    ASSERT_NE(GetObjectType(brush1), 0u);
    ASSERT_NE(GetObjectType(bitmap2), 0u);

    DestroyWindow(first);
    EXPECT_EQ(GetObjectType(brush1), 0u);
    EXPECT_EQ(GetObjectType(bitmap1), 0u);

    Skin_ReleaseWindow(top_);
    EXPECT_EQ(GetObjectType(brush2), 0u);
    EXPECT_EQ(GetObjectType(bitmap2), 0u);
    std::vector<HBRUSH> fresh;
    for (int i = 0; i < 64; ++i) fresh.push_back(CreateSolidBrush(RGB(i, 0, 0)));
    DestroyWindow(second);
    for (HBRUSH b : fresh) {
        EXPECT_EQ(GetObjectType(b), static_cast<DWORD>(OBJ_BRUSH));
        DeleteObject(b);
    }
}

}  // namespace
