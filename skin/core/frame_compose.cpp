// Composing a dressed window's frame picture, presenting it, and the hooks the rest of the engine calls.
#include <utility>

#include "skin/core/frame_internal.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/round_rect_path.h"
#include "toolkit/codepage.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr int kSmoothingAntiAlias = 4;
constexpr int kOutlineOpacity = 180;

BitmapHandle MakeSurfaceBitmap(int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    return BitmapHandle(CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
}

// A whole-window copy goes through the memory DC table; one that is not listed there goes with its bitmap.
void ReleaseWholeWindowCopy(HDC dc) {
    if (MemDc_Release(dc)) return;
    HGDIOBJ bitmap = GetCurrentObject(dc, OBJ_BITMAP);
    DeleteDC(dc);
    if (bitmap) DeleteObject(bitmap);
}

void RefreshForTheme(int position) {
    Frame_Compose(position, false);
    if (const WindowSkinRecord* record = Skin_RecordAt(position)) Frame_MarkControlsForRepaint(record->window);
}

void DrawOutline(GraphicsObject& graphics, int width, int height) {
    const struct {
        float inset, extent;
        int corner;
        COLORREF colour;
        float penWidth;
    } rings[] = {{0, 1, 7, RGB(0, 0, 0), 2}, {1, 3, 6, RGB(255, 255, 255), 1}};
    for (const auto& ring : rings) {
        PathObject path;
        PenObject pen;
        if (!Path_Create(path) || !Pen_Create(pen, Color_ToArgb(ring.colour, kOutlineOpacity), ring.penWidth, 2))
            continue;
        Path_AddRoundRect(path, ring.inset, ring.inset, width - ring.extent, height - ring.extent, ring.corner);
        Graphics_DrawPath(graphics, pen, path);
    }
}

void FlushDrawing(GraphicsObject& graphics) {
    if (graphics) Gdiplus::DllExports::GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync);
    GdiFlush();
}

// The title strip copy: background and outline of the title band, from which pieces are restored.
void CopyTitleStrip(WindowSkinRecord& record, int width) {
    if (record.titleStripDC) {
        if (record.titleStripOldBitmap) SelectObject(record.titleStripDC, record.titleStripOldBitmap);
        DeleteDC(std::exchange(record.titleStripDC, nullptr));
    }
    if (record.titleStripBitmap) DeleteObject(std::exchange(record.titleStripBitmap, nullptr));
    record.titleStripOldBitmap = nullptr;
    BitmapHandle bitmap = MakeSurfaceBitmap(width, record.titleHeight);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc || !bitmap) {
        if (dc) DeleteDC(dc);
        return;
    }
    record.titleStripDC = dc;
    record.titleStripOldBitmap = static_cast<HBITMAP>(SelectObject(dc, bitmap.get()));
    record.titleStripBitmap = bitmap.release();
    BitBlt(dc, 0, 0, width, record.titleHeight, record.frameDC, 0, 0, SRCCOPY);
}

void ReplaceWholeWindowCopy(WindowSkinRecord& record, int width, int height) {
    if (record.frameCopyDC) ReleaseWholeWindowCopy(std::exchange(record.frameCopyDC, nullptr));
    BitmapHandle bitmap = MakeSurfaceBitmap(width, height);
    HDC dc = CreateCompatibleDC(nullptr);
    if (!dc || !bitmap) {
        if (dc) DeleteDC(dc);
        return;
    }
    HGDIOBJ previous = SelectObject(dc, bitmap.get());
    MemDc_Register(dc, bitmap.release(), previous);
    record.frameCopyDC = dc;
    BitBlt(dc, 0, 0, width, height, record.frameDC, 0, 0, SRCCOPY);
}

Text WindowText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    std::wstring text(static_cast<size_t>(length > 0 ? length : 0) + 1, L'\0');
    const int copied = GetWindowTextW(window, text.data(), length + 1);
    text.resize(copied > 0 ? static_cast<size_t>(copied) : 0);
    return Cp936_FromWide(text);
}

template <typename Entry>
void InvalidateOwnControls(const std::vector<Entry>& list, HWND window) {
    for (const Entry& entry : list) {
        if (!entry.control || GetParent(entry.control) != window) continue;
        InvalidateRect(entry.control, nullptr, TRUE);
        for (HWND child = GetWindow(entry.control, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT))
            if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    }
}

}  // namespace

void Frame_InstallHooks() {
    Skin_SetFrameRefresh(RefreshForTheme);
    Skin_SetSurfaceRelease(ReleaseWholeWindowCopy);
}

WindowSkinRecord* Frame_Record(HWND window, int* position) {
    const int stored = static_cast<int>(Prop_GetInt(window, SkinProp::kListId));
    WindowSkinRecord* record = Skin_RecordAt(stored);
    if (!record || record->window != window) return nullptr;
    if (position) *position = stored;
    return record;
}

Text Frame_WindowText(HWND window) { return WindowText(window); }

void Frame_Compose(int position, bool present) {
    Frame_InstallHooks();
    WindowSkinRecord* record = Skin_RecordAt(position);
    if (!record || !record->window || !IsWindow(record->window)) return;
    const HWND window = record->window;
    RECT client{};
    GetClientRect(window, &client);
    const int width = client.right, height = client.bottom;
    if (width <= 0 || height <= 0) return;

    if (record->hasTitleBar && present) {
        SetWindowRgn(window, nullptr, FALSE);
        SetWindowPos(window, nullptr, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        SetWindowRgn(window, CreateRoundRectRgn(0, 0, width + 1, height + 1, 5, 5), TRUE);  // the system owns it
        record = Skin_RecordAt(position);  // touching the window may have run the frame procedure
        if (!record || record->window != window) return;
    }

    if (!record->frameDC) record->frameDC = CreateCompatibleDC(nullptr);
    BitmapHandle bitmap = MakeSurfaceBitmap(width, height);
    if (!record->frameDC || !bitmap) return;
    HGDIOBJ displaced = SelectObject(record->frameDC, bitmap.get());
    if (!GetPropW(window, SkinProp::kFrameOldBitmap)) {
        SetPropW(window, SkinProp::kFrameOldBitmap, displaced);
    } else if (displaced) {
        DeleteObject(displaced);  // the previous frame bitmap
    }
    SetPropW(window, SkinProp::kFrameBitmap, bitmap.release());

    {
        GraphicsObject graphics;
        if (Graphics_FromDC(graphics, record->frameDC)) {
            Skin_PaintBackground(position, graphics);
            if (record->hasTitleBar) {
                Graphics_SetSmoothingMode(graphics, kSmoothingAntiAlias);
                DrawOutline(graphics, width, height);
                FlushDrawing(graphics);
                CopyTitleStrip(*record, width);
                if (record->showTitle) Frame_PaintTitle(*record, graphics, WindowText(window), width);
                for (int i = 1; i <= static_cast<int>(record->captionButtons.size()); ++i)
                    Frame_PaintCaptionButton(*record, graphics, i, CaptionLook::Normal, 0, true);
            }
            FlushDrawing(graphics);
        }
    }

    ReplaceWholeWindowCopy(*record, width, height);
    // The composed size first: presenting clips the children to it.
    record->frameDirty = 0;
    record->composedWidth = width;
    record->composedHeight = height;

    if (present) {
        if (HDC dc = Dc_ExcludeChildren(window)) {
            BitBlt(dc, 0, 0, width, height, record->frameDC, 0, 0, SRCCOPY);
            ReleaseDC(window, dc);
        }
        InvalidateOwnControls(record->buttons, window);
        InvalidateOwnControls(record->editBoxes, window);
        InvalidateOwnControls(record->listControls, window);
        InvalidateOwnControls(record->trackBars, window);
        InvalidateOwnControls(record->progressBars, window);
        InvalidateOwnControls(record->comboBoxes, window);
        InvalidateOwnControls(record->upDowns, window);
    }
}

void Frame_PresentStored(int position, HDC paintDc) {
    const WindowSkinRecord* record = Skin_RecordAt(position);
    if (!record || !record->frameDC) return;
    RECT rect{};
    GetWindowRect(record->window, &rect);
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    if (record->framePresented || !paintDc) {
        // The paint DC covers only what was invalid; a frame shown before is put back whole.
        if (HDC dc = Dc_ExcludeChildren(record->window)) {
            BitBlt(dc, 0, 0, width, height, record->frameDC, 0, 0, SRCCOPY);
            ReleaseDC(record->window, dc);
        }
        return;
    }
    Dc_ExcludeChildren(record->window, paintDc);
    BitBlt(paintDc, 0, 0, width, height, record->frameDC, 0, 0, SRCCOPY);
}

void Frame_ShowRect(const WindowSkinRecord& record, const RECT& rect) {
    if (!record.frameDC || rect.right <= rect.left || rect.bottom <= rect.top) return;
    if (HDC dc = Dc_ExcludeChildren(record.window)) {
        BitBlt(dc, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, record.frameDC, rect.left,
               rect.top, SRCCOPY);
        ReleaseDC(record.window, dc);
    }
}

void Frame_MarkControlsForRepaint(HWND window) {
    WindowSkinRecord* record = Skin_RecordAt(Skin_FindWindowRecord(window));
    if (!record) return;
    for (ContainerEntry& entry : record->containers) entry.repaint = entry.dirty = 1;
    for (ToolbarEntry& entry : record->toolbars) entry.dirty = 1;
    for (LabelEntry& entry : record->labels) entry.dirty = 1;
    for (ListEntry& entry : record->listControls) entry.dirty = 1;
}
