// Drawing a header: each item is composed off-screen as one tile over the skin background and copied onto the
// header with one blit, so the header never shows intermediate states.
#include <windows.h>

#include <commctrl.h>

#include "image/bitmap_object.h"
#include "image/graphics_object.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/painters/lists/header_painter.h"
#include "toolkit/codepage.h"

#include <algorithm>
#include <cwchar>
#include <optional>

namespace {

constexpr int kTextCapacity = 260;
constexpr int kTrimEllipsisCharacter = 3;
constexpr float kTolerance = 1e-7f;

struct HeaderItem {
    RECT rect{};
    int paintedWidth = 0; // the tile's width: the item's own, or up to the list view's edge for its last column
    Text text;
    int format = 0;
    HICON icon = nullptr;
};

// The right edge of the list view around header, in the header's coordinates; none when the parent is no list
// view. The header may be shifted left while the view is scrolled sideways.
std::optional<LONG> ListViewRightEdge(HWND header) {
    HWND parent = GetParent(header);
    wchar_t name[64] = {};
    if (!parent || !GetClassNameW(parent, name, 64) || lstrcmpiW(name, WC_LISTVIEWW) != 0) return std::nullopt;
    RECT client{};
    GetClientRect(parent, &client);
    POINT edge{client.right, 0};
    MapWindowPoints(parent, header, &edge, 1);
    return edge.x;
}

HeaderItem ReadItem(HWND header, const HeaderEntry& entry, int index, bool last, std::optional<LONG> viewRight) {
    HeaderItem item;
    SendMessageW(header, HDM_GETITEMRECT, index, reinterpret_cast<LPARAM>(&item.rect));
    item.paintedWidth = item.rect.right - item.rect.left;
    if (last && viewRight && item.rect.right < *viewRight) item.paintedWidth = *viewRight - item.rect.left;

    wchar_t buffer[kTextCapacity] = {};
    HDITEMW info{};
    info.mask = HDI_WIDTH | HDI_TEXT | HDI_FORMAT | HDI_LPARAM | HDI_BITMAP | HDI_IMAGE;
    info.pszText = buffer;
    info.cchTextMax = kTextCapacity;
    SendMessageW(header, HDM_GETITEMW, index, reinterpret_cast<LPARAM>(&info));
    buffer[kTextCapacity - 1] = L'\0';
    item.text = Cp936_FromWide(std::wstring_view(buffer, wcslen(buffer)));
    item.format = info.fmt;
    if ((info.fmt & HDF_IMAGE) && entry.imageList)
        item.icon = ImageList_GetIcon(static_cast<HIMAGELIST>(entry.imageList), info.iImage, ILD_TRANSPARENT);
    return item;
}

void FillGradient(GraphicsObject& graphics, float width, float height, Argb from, Argb to) {
    LinearGradientBrushObject brush;
    LinearBrush_Create(brush, {0, 0}, {0, height}, from, to);
    Graphics_FillRectangle(graphics, brush, 0, 0, width, height);
}

// Where the icon and text start: by the item's alignment, but at the margin when they do not fit.
float StartX(int format, float width, float iconWidth, float margin, float textWidth) {
    const bool tooWide = iconWidth + margin + textWidth >= width - kTolerance;
    if (format & HDF_RIGHT) return tooWide ? margin : width - iconWidth - textWidth;
    if (format & HDF_CENTER) {
        return tooWide ? margin : static_cast<float>(static_cast<int>((width - iconWidth - margin - textWidth) / 2));
    }
    return margin;
}

void PaintTile(GraphicsObject& graphics, const HeaderEntry& entry, const HeaderItem& item, int position, int margin) {
    const SkinState& state = Skin_State();
    const float w = static_cast<float>(item.rect.right - item.rect.left);
    const float h = static_cast<float>(item.rect.bottom - item.rect.top);
    const float tile = static_cast<float>(item.paintedWidth);
    const Argb white = Color_ToArgb(RGB(255, 255, 255)), black = Color_ToArgb(RGB(0, 0, 0));

    SolidBrushObject veil;
    SolidBrush_Create(veil,
                      state.translucentControls ? Color_ToArgb(RGB(255, 255, 255), state.controlFillAlpha) : white);
    Graphics_FillRectangle(graphics, veil, 0, 0, tile, h);
    if (entry.buttonStyle) {
        FillGradient(graphics, tile, h, Color_ToArgb(RGB(255, 255, 255), 80), Color_ToArgb(state.themeColour, 120));
    } else {
        FillGradient(graphics, tile, h, Color_ToArgb(state.themeColour, 60), Color_ToArgb(state.themeColour, 10));
    }
    // Hover and press looks cover the column itself, not the stretch beyond it.
    if (entry.hovered == 1 && position == entry.hotItem && entry.buttonStyle == 1)
        FillGradient(graphics, w, h, Color_ToArgb(state.themeColour, 60), Color_ToArgb(RGB(0, 0, 0), 30));
    if (entry.buttonStyle == 1 && position == entry.pressedItem)
        FillGradient(graphics, w, h, Color_ToArgb(RGB(0, 0, 0), 30), Color_ToArgb(RGB(255, 255, 255), 120));

    {
        LinearGradientBrushObject fade;
        LinearBrush_Create(fade, {0, 0}, {0, h}, Color_ToArgb(RGB(0, 0, 0), 60), Color_ToArgb(RGB(255, 255, 255), 50));
        PenObject separator;
        Pen_CreateFromBrush(separator, fade, 1.0f, 0);
        Graphics_DrawLine(graphics, separator, w - 1, 0, w - 1, h);
    }

    BitmapObject icon;
    float iconWidth = 0, iconHeight = 0;
    if (item.icon && Bitmap_FromIcon(icon, item.icon)) {
        iconWidth = static_cast<float>(Image_Width(icon));
        iconHeight = static_cast<float>(Image_Height(icon));
    }
    const float textWidth =
        static_cast<float>(Skin_MeasureTextWidth(item.text, entry.fontName, entry.fontSize, entry.fontStyle));
    const float fm = static_cast<float>(margin);
    const float x = StartX(item.format, w, iconWidth, fm, textWidth);
    if (iconWidth != 0) Graphics_DrawImage(graphics, icon, x, (h - iconHeight) / 2);

    FontObject font;
    if (!item.text.empty() &&
        Font_CreateByName(font, entry.fontName, static_cast<float>(entry.fontSize), entry.fontStyle, 0)) {
        SolidBrushObject ink;
        SolidBrush_Create(ink, black);
        StringFormatObject format;
        StringFormat_Create(format);
        StringFormat_SetTrimming(format, kTrimEllipsisCharacter);
        Graphics_DrawString(graphics, item.text, font, ink, FloatRect{x + iconWidth, 0, w - iconWidth - 2 * fm, h},
                            format);
    }
}

} // namespace

void Header_Draw(int n, int entryPosition) {
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record || entryPosition < 1 || entryPosition > static_cast<int>(record->headers.size())) return;
    const HeaderEntry& entry = record->headers[entryPosition - 1];
    HWND header = entry.control;
    if (!header || !IsWindow(header)) return;
    const int count = static_cast<int>(SendMessageW(header, HDM_GETITEMCOUNT, 0, 0));
    if (count <= 0) return;
    const int margin = static_cast<int>(SendMessageW(header, HDM_GETBITMAPMARGIN, 0, 0));
    const std::optional<LONG> viewRight = ListViewRightEdge(header);

    // The whole header as drawn, for frameCopyDC: read back from a window DC it could hold whatever covers the
    // header on screen.
    RECT client{};
    GetClientRect(header, &client);
    HDC whole = Skin_SnapshotBackground(header, client);
    HDC dc = nullptr;
    LONG paintedRight = 0;
    for (int i = 1; i <= count; ++i) {
        HeaderItem item = ReadItem(header, entry, i - 1, i == count, viewRight);
        const int height = item.rect.bottom - item.rect.top;
        HDC tile = Skin_SnapshotBackground(
            header, RECT{item.rect.left, item.rect.top, item.rect.left + item.paintedWidth, item.rect.bottom});
        if (tile) {
            {
                GraphicsObject graphics;
                if (Graphics_FromDC(graphics, tile)) PaintTile(graphics, entry, item, i, margin);
            }
            if (!dc) dc = GetDC(header);
            if (dc) BitBlt(dc, item.rect.left, item.rect.top, item.paintedWidth, height, tile, 0, 0, SRCCOPY);
            if (whole) BitBlt(whole, item.rect.left, item.rect.top, item.paintedWidth, height, tile, 0, 0, SRCCOPY);
            MemDc_Release(tile);
        }
        if (item.icon) DestroyIcon(item.icon);
        paintedRight = std::max(paintedRight, item.rect.left + item.paintedWidth);
    }
    // Beyond the last item a stand-alone header shows the skin background, as frameCopyDC does.
    if (dc && whole && paintedRight < client.right)
        BitBlt(dc, paintedRight, 0, client.right - paintedRight, client.bottom, whole, paintedRight, 0, SRCCOPY);
    if (whole) Skin_PresentControl(header, whole);
    if (dc) ReleaseDC(header, dc);
    MemDc_Release(whole);
}
