// Up-down controls: the arrow glyphs, which half lies under a point, which half is highlighted for a point and
// button state, and the redraws that mouse moves, presses and leaving cause.
#include "skin/painters/lists/up_down.h"

#include "image/bitmap_object.h"
#include "skin/core/control_registration.h"
#include "skin/painters/lists/up_down_glyphs.h"
#include "tests/skin/painters/lists/bar_fixture.h"

#include <cstdlib>
#include <string>

namespace {

class UpDownTest : public BarPainterTest {
protected:
    static constexpr int kLong = 40, kShort = 20;

    HWND Registered(bool horizontal) {
        HWND control = Control(UPDOWN_CLASSW, horizontal ? UDS_HORZ : 0, 60, 60, horizontal ? kLong : kShort,
                               horizontal ? kShort : kLong);
        UpDown_Register(position_, top_);
        return control;
    }
    // Pixels of the first or second half away from its outline and its arrow.
    std::vector<uint32_t> Half(HWND control, bool horizontal, int half) {
        std::vector<uint32_t> pixels;
        const int begin = half ? kShort + 2 : 2, end = half ? kLong - 3 : kShort - 3;
        for (int along = begin; along < end; ++along) {
            for (int across = 2; across < 5; ++across) {
                pixels.push_back(horizontal ? Copy(control, along, across) : Copy(control, across, along));
            }
        }
        return pixels;
    }
};

TEST(UpDownGlyphs, AreSolidBlackCentredTriangles) {
    GdiPlusSession session;
    struct Case {
        UpDownGlyph glyph;
        int width, height;
        bool sideways;  // counts are per column rather than per row
        int counts[4];
    };
    const Case cases[] = {
        {UpDownGlyph::kUp, 7, 4, false, {1, 3, 5, 7}},
        {UpDownGlyph::kDown, 7, 4, false, {7, 5, 3, 1}},
        {UpDownGlyph::kLeft, 4, 7, true, {1, 3, 5, 7}},
        {UpDownGlyph::kRight, 4, 7, true, {7, 5, 3, 1}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(static_cast<int>(c.glyph));
        BitmapObject glyph;
        ASSERT_TRUE(UpDown_MakeGlyph(c.glyph, glyph));
        ASSERT_EQ(Image_Width(glyph), static_cast<unsigned>(c.width));
        ASSERT_EQ(Image_Height(glyph), static_cast<unsigned>(c.height));
        for (int line = 0; line < 4; ++line) {
            for (int along = 0; along < 7; ++along) {
                const Argb p = c.sideways ? Bitmap_GetPixel(glyph, line, along) : Bitmap_GetPixel(glyph, along, line);
                const bool inside = std::abs(along - 3) <= c.counts[line] / 2;
                EXPECT_EQ(p, inside ? 0xFF000000u : 0u) << "line " << line << ", at " << along;
            }
        }
    }
}

TEST_F(UpDownTest, HalvesSplitAtTheMiddleLineWhichBelongsToTheFirst) {
    HWND vertical = Registered(false);
    HWND horizontal = Registered(true);
    const int v = static_cast<int>(Prop_GetInt(vertical, SkinProp::kListId));
    const int h = static_cast<int>(Prop_GetInt(horizontal, SkinProp::kListId));
    EXPECT_EQ(record_->upDowns[h - 1].horizontal, 1);
    EXPECT_EQ(record_->upDowns[v - 1].horizontal, 0);
    struct Case {
        int entry, x, y, half;
    };
    const Case cases[] = {
        {v, 10, 0, 0}, {v, 10, 19, 0}, {v, 10, 20, 0}, {v, 10, 21, 1}, {v, 0, 39, 1}, {v, 10, -5, 0},
        {h, 0, 10, 0}, {h, 20, 10, 0}, {h, 21, 10, 1}, {h, 39, 0, 1},  {v, 99, 10, 0}, {h, 5, 99, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(UpDown_HalfAtPoint(position_, c.entry, MAKELPARAM(c.x, c.y)), c.half)
            << (c.entry == v ? "vertical" : "horizontal") << " at " << c.x << ", " << c.y;
    }
    EXPECT_EQ(UpDown_HalfAtPoint(position_, 9, 0), 0);  // no such entry
}

TEST_F(UpDownTest, HighlightFollowsThePointOnlyWhileItIsInside) {
    for (bool horizontal : {false, true}) {
        SCOPED_TRACE(horizontal ? "horizontal" : "vertical");
        HWND control = Registered(horizontal);
        const auto at = [&](int along) { return horizontal ? MAKELPARAM(along, 10) : MAKELPARAM(10, along); };
        const auto draw = [&](int hover, int pressed, LPARAM point) {
            UpDown_Draw(position_, 1, hover, pressed, point);
            return std::pair{Half(control, horizontal, 0), Half(control, horizontal, 1)};
        };
        const auto plain = draw(0, 0, at(5));
        const auto firstLit = draw(1, 0, at(5));
        EXPECT_NE(firstLit.first, plain.first);
        EXPECT_EQ(firstLit.second, plain.second);
        EXPECT_EQ(draw(1, 0, at(kShort)), firstLit);  // the middle line
        const auto secondLit = draw(1, 0, at(kShort + 1));
        EXPECT_EQ(secondLit.first, plain.first);
        EXPECT_NE(secondLit.second, plain.second);

        const auto pressedFirst = draw(1, 1, at(5));  // the gradient turns around
        EXPECT_NE(pressedFirst.first, firstLit.first);
        EXPECT_NE(pressedFirst.first, plain.first);
        EXPECT_EQ(pressedFirst.second, plain.second);
        // Held down with the mouse outside (captured moves): nothing lit, whichever side it is on.
        for (int outside : {-6, kLong + 6}) EXPECT_EQ(draw(1, 1, at(outside)), plain) << outside;
        EXPECT_EQ(draw(0, 1, at(5)), plain);

        DestroyWindow(control);
        record_->upDowns.assign(1, UpDownEntry{});
    }
}

TEST_F(UpDownTest, MouseRedrawsWhenCrossingTheMiddleAndRepaintsUseTheLastButtonPoint) {
    HWND control = Registered(false);
    UpDownEntry& entry = record_->upDowns[0];
    UpDown_Draw(position_, 1, 0, 0, 0);
    const auto plain = Picture(control);

    SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(10, 5));
    const auto firstLit = Picture(control);
    EXPECT_NE(firstLit, plain);
    EXPECT_EQ(entry.hovered, 1);
    EXPECT_EQ(entry.hotHalf, 0);
    EXPECT_EQ(record_->hoverKind, 8);

    FillCopy(kMarker);
    SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(12, 20));  // same half, middle line included
    EXPECT_EQ(Copy(control, 10, 10), kMarker);
    SendMessageW(control, WM_MOUSEMOVE, 0, MAKELPARAM(12, 21));
    EXPECT_NE(Copy(control, 10, 10), kMarker);
    EXPECT_EQ(entry.hotHalf, 1);

    // A press records its point; the control's own repaint highlights the half that holds it, reversed.
    SendMessageW(control, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(10, 5));
    EXPECT_EQ(entry.pressed, 1);
    EXPECT_EQ(entry.lastButtonPoint, MAKELPARAM(10, 5));
    SendMessageW(control, WM_PAINT, 0, 0);
    const auto pressedFirst = Picture(control);
    EXPECT_NE(pressedFirst, firstLit);
    SendMessageW(control, WM_LBUTTONUP, 0, MAKELPARAM(10, 6));
    EXPECT_EQ(entry.pressed, 0);
    EXPECT_EQ(entry.lastButtonPoint, MAKELPARAM(10, 6));
    SendMessageW(control, WM_PAINT, 0, 0);
    EXPECT_EQ(Picture(control), firstLit);

    SendMessageW(control, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(Picture(control), plain);
    EXPECT_EQ(entry.hovered, 0);
    EXPECT_EQ(record_->hoverPainted, 0);
}

}  // namespace
