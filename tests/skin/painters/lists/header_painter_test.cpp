// The header painter: tiles and overlays in the whole-window copy, the divider bands of the hit test, redraws
// driven by the mouse, the hover owner shared with the list painter, and the image list it must not free.
#include "list_fixture.h"

#include "skin/draw/mem_dc_table.h"
#include "skin/painters/lists/header_painter.h"
#include "skin/painters/lists/list_painter.h"
#include "toolkit/codepage.h"

#include <cstdio>
#include <string>
#include <vector>

namespace list_test {
namespace {

class HeaderPainter : public ListPainterTest {
protected:
    HWND ReportView(int columns, int columnWidth, int width = 300) {
        HWND view = Control(WC_LISTVIEWW, LVS_REPORT, 10, 10, width, 150);
        for (int i = 0; i < columns; ++i) {
            LVCOLUMNW column{};
            column.mask = LVCF_WIDTH | LVCF_TEXT;
            column.cx = columnWidth;
            column.pszText = const_cast<wchar_t*>(L"col");
            SendMessageW(view, LVM_INSERTCOLUMNW, i, reinterpret_cast<LPARAM>(&column));
        }
        return view;
    }
    HWND StandaloneHeader(DWORD style, int items, int itemWidth) {
        HWND header = Control(WC_HEADERW, style, 10, 200, 300, 24);
        for (int i = 0; i < items; ++i) {
            HDITEMW item{};
            item.mask = HDI_WIDTH | HDI_FORMAT;
            item.cxy = itemWidth;
            item.fmt = HDF_LEFT;
            SendMessageW(header, HDM_INSERTITEMW, i, reinterpret_cast<LPARAM>(&item));
        }
        return header;
    }
    static LPARAM At(int x) { return MAKELPARAM(static_cast<WORD>(static_cast<short>(x)), 5); }
    int MidY(HWND header) const {
        RECT r{};
        GetClientRect(header, &r);
        return r.bottom / 2;
    }
};

TEST_F(HeaderPainter, LastColumnReachesTheViewEdgeWhileOverlaysKeepTheColumnWidth) {
    struct Case {
        const char* name;
        bool inView; // a list view's header (HDS_BUTTONS) or a stand-alone one without it
        int hotItem, pressedItem;
        bool secondDiffers; // item 2 looks different from item 1 (which is never hot or pressed)
    };
    const Case cases[] = {
        {"nothing hot", true, 0, 0, false},
        {"second item hot", true, 2, 0, true},
        {"second item pressed", true, 0, 2, true},
        {"no buttons style: no highlight", false, 2, 2, false},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.name);
        HWND owner = c.inView ? ReportView(2, 60) : StandaloneHeader(0, 2, 60);
        HWND header = c.inView ? FindWindowExW(owner, nullptr, WC_HEADERW, nullptr) : owner;
        Redress();
        Header_Register(position_, top_);
        ASSERT_EQ(Header(1).control, header);
        ASSERT_EQ(Header(1).buttonStyle, c.inView ? 1 : 0);
        Header(1).hovered = c.hotItem ? 1 : 0;
        Header(1).hotItem = c.hotItem;
        Header(1).pressedItem = c.pressedItem;

        FillCopy(kMarker);
        Header_Draw(position_, 1);
        const int y = MidY(header);
        const uint32_t first = Copy(header, 30, y), second = Copy(header, 90, y);
        EXPECT_NE(first, kMarker);
        EXPECT_EQ(first != second, c.secondDiffers);
        // The separator sits at the column's own right edge.
        EXPECT_NE(Copy(header, 119, y), Copy(header, 110, y));
        if (c.inView) {
            // The stretch beyond the last column has the plain tile, up to the view's edge.
            EXPECT_EQ(Copy(header, 200, y), first);
            EXPECT_EQ(Copy(header, 296, y), first);
        }
        DestroyWindow(owner);
    }
}

TEST_F(HeaderPainter, HeaderWithoutItemsDrawsNothing) {
    StandaloneHeader(HDS_BUTTONS, 0, 0);
    Header_Register(position_, top_);
    FillCopy(kMarker);
    Header_Draw(position_, 1);
    EXPECT_EQ(Copy(Header(1).control, 10, 10), kMarker);
    Header_Draw(position_, 2); // no such entry
    Header_Draw(position_ + 1, 1);
}

TEST_F(HeaderPainter, DividerBandsBelongToNoItem) {
    StandaloneHeader(HDS_BUTTONS, 2, 60);
    Header_Register(position_, top_);
    const struct {
        int x, item;
    } cases[] = {{-3, 0}, {0, 0}, {4, 0}, {5, 1}, {55, 1}, {56, 0}, {64, 0}, {65, 2}, {115, 2}, {116, 0}, {400, 0}};
    for (const auto& c : cases)
        EXPECT_EQ(Header_ItemAtPoint(position_, 1, At(c.x)), c.item) << "x = " << c.x;
}

TEST_F(HeaderPainter, MouseRedrawsOnHotItemChangesAndOnEveryMoveAlongADivider) {
    HWND header = StandaloneHeader(HDS_BUTTONS, 2, 60);
    Header_Register(position_, top_);
    Show();
    const int y = MidY(header);
    struct Step {
        const char* name;
        UINT message;
        int x;
        bool redrawn;
        int hotItem, pressedItem;
    };
    const Step steps[] = {
        {"onto item 1", WM_MOUSEMOVE, 20, true, 1, 0},
        {"within item 1", WM_MOUSEMOVE, 30, false, 1, 0},
        {"onto the divider", WM_MOUSEMOVE, 58, true, 0, 0},
        {"along the divider", WM_MOUSEMOVE, 62, true, 0, 0},
        {"back onto item 1", WM_MOUSEMOVE, 40, true, 1, 0},
        {"button down", WM_LBUTTONDOWN, 40, false, 1, 1},
        {"held across to item 2", WM_MOUSEMOVE, 90, false, 2, 1},
        {"button up", WM_LBUTTONUP, 90, false, 2, 0},
        {"mouse leaves", WM_MOUSELEAVE, 0, true, 0, 0},
    };
    for (const Step& s : steps) {
        SCOPED_TRACE(s.name);
        FillCopy(kMarker);
        SendMessageW(header, s.message, s.message == WM_LBUTTONDOWN ? MK_LBUTTON : 0, At(s.x));
        ReleaseCapture();
        EXPECT_EQ(Copy(header, 30, y) != kMarker, s.redrawn);
        EXPECT_EQ(Header(1).hotItem, s.hotItem);
        EXPECT_EQ(Header(1).pressedItem, s.pressedItem);
        EXPECT_EQ(record_->hoverKind, kHeaderHoverKind);
    }
    EXPECT_EQ(record_->hoverPainted, 0);
}

TEST_F(HeaderPainter, ListAndHeaderWithTheSamePositionKeepTheirOwnHoverLooks) {
    HWND list = Control(WC_LISTBOXW, 0, 20, 20, 160, 120, WS_EX_CLIENTEDGE);
    HWND header = StandaloneHeader(HDS_BUTTONS, 2, 60);
    List_Register(position_, top_);
    Header_Register(position_, top_);
    ASSERT_EQ(Prop_GetInt(list, SkinProp::kListId), 1);
    ASSERT_EQ(Prop_GetInt(header, SkinProp::kListId), 1);

    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
    EXPECT_EQ(record_->hoverKind, kListHoverKind);
    EXPECT_TRUE(IsThemed(Copy(list, 1, 1)));
    // The mouse goes over the header without the list hearing that it left.
    SendMessageW(header, WM_MOUSEMOVE, 0, At(20));
    EXPECT_EQ(record_->hoverKind, kHeaderHoverKind);
    EXPECT_EQ(record_->hoverPainted, 1);
    // Back on the list the same position was last painted by the header, so the list draws its hover look again.
    FillCopy(kMarker);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(12, 10));
    EXPECT_EQ(record_->hoverKind, kListHoverKind);
    EXPECT_TRUE(IsThemed(Copy(list, 1, 1)));
    // A further move over the same list draws nothing.
    FillCopy(kMarker);
    SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(14, 10));
    EXPECT_EQ(Copy(list, 1, 1), kMarker);
    // Leaving ends the hover look.
    SendMessageW(list, WM_MOUSELEAVE, 0, 0);
    EXPECT_EQ(List(1).hovered, 0);
    EXPECT_FALSE(IsThemed(Copy(list, 1, 1)));
}

TEST_F(HeaderPainter, DestroyingTheHeaderLeavesItsImageListToItsOwner) {
    HIMAGELIST images = ImageList_Create(16, 16, ILC_COLOR32, 1, 1);
    HWND header = StandaloneHeader(HDS_BUTTONS, 1, 60);
    SendMessageW(header, HDM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(images));
    Header_Register(position_, top_);
    ASSERT_EQ(Header(1).imageList, static_cast<HANDLE>(images));
    DestroyWindow(header);
    EXPECT_EQ(Header(1).imageList, nullptr);
    // Still a live image list that its owner can use and destroy once.
    EXPECT_EQ(ImageList_SetImageCount(images, 2), TRUE);
    EXPECT_EQ(ImageList_GetImageCount(images), 2);
    EXPECT_TRUE(ImageList_Destroy(images));
}

TEST(SkinMeasureTextWidth, GrowsWithTheTextAndIsZeroWithoutAFont) {
    GdiPlusSession session;
    const std::string face = Cp936_FromWide(L"宋体");
    const int shortWidth = Skin_MeasureTextWidth("ab", face, 12, 0);
    const int longWidth = Skin_MeasureTextWidth("abababab", face, 12, 0);
    EXPECT_GT(shortWidth, 1);
    EXPECT_GT(longWidth, shortWidth * 3);
    EXPECT_GT(Skin_MeasureTextWidth("ab", face, 12, 1), shortWidth - 1); // bold is not narrower
    EXPECT_EQ(Skin_MeasureTextWidth("ab", "No Such Family 7", 12, 0), 0);
}

TEST_F(HeaderPainter, HoverCyclesLeakNothing) {
    HWND list = Control(WC_LISTBOXW, WS_VSCROLL, 20, 20, 160, 120, WS_EX_CLIENTEDGE);
    for (int i = 0; i < 20; ++i)
        SendMessageW(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(L"item"));
    HWND view = ReportView(3, 50);
    HWND header = FindWindowExW(view, nullptr, WC_HEADERW, nullptr);
    Skin_State().translucentControls = 1;
    List_Register(position_, top_);
    Header_Register(position_, top_);
    Show();
    Pump();
    const auto cycle = [&](int i) {
        SendMessageW(list, WM_MOUSEMOVE, 0, MAKELPARAM(10, 10));
        SendMessageW(list, WM_MOUSEHOVER, 0, 0);
        SendMessageW(list, WM_MOUSELEAVE, 0, 0);
        SendMessageW(header, WM_MOUSEMOVE, 0, At(20 + (i % 3) * 50));
        SendMessageW(header, WM_MOUSEMOVE, 0, At(49));
        SendMessageW(header, WM_MOUSELEAVE, 0, 0);
        if (i % 50 == 0) { // the hover looks are drawn at once; a full repaint now and then covers the rest
            InvalidateRect(list, nullptr, TRUE);
            InvalidateRect(view, nullptr, TRUE);
        }
        Pump();
    };
    for (int i = 0; i < 20; ++i)
        cycle(i); // settle caches
    const int memoryDcs = MemDc_Count();
    const int before = Gdi_Headroom();
    constexpr int kCycles = 1000;
    const ULONGLONG start = GetTickCount64();
    for (int i = 0; i < kCycles; ++i)
        cycle(i);
    const ULONGLONG spent = GetTickCount64() - start;
    const int after = Gdi_Headroom();
    EXPECT_EQ(MemDc_Count(), memoryDcs);
    EXPECT_LE(before - after, 8) << "headroom before " << before << ", after " << after;
    std::printf("GDI headroom over %d hover cycles: before %d, after %d (%lld ms)\n", kCycles, before, after,
                static_cast<long long>(spent));
}

} // namespace
} // namespace list_test
