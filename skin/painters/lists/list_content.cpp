// The content pass of a list control: with translucent controls the control draws its items over a veiled
// snapshot of the skin background, and the finished picture goes to the screen and into frameCopyDC. While
// nothing has changed the control's area is copied back out of frameCopyDC instead.
#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/backdrop.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/painters/basic/scroll_bar.h"
#include "skin/painters/lists/list_painter.h"
#include "skin/painters/lists/list_parts.h"

namespace {

constexpr COLORREF kColourKey = 0xFF00FF;

SIZE ClientSize(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return {client.right - client.left, client.bottom - client.top};
}

LRESULT CallPrevious(const ListEntry& entry, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return CallWindowProcW(reinterpret_cast<WNDPROC>(entry.previousProc), window, message, wParam, lParam);
}

// Tree views paint on a background keyed with magenta (their background colour), laid over the veil.
LRESULT PaintTree(HWND window, ListEntry& entry) {
    const RECT area = Window_ClientRectInWindow(window);
    const SIZE size = ClientSize(window);
    HDC tree = Skin_SnapshotBackground(window, area);
    HDC veiled = List_MakeBackground(window);
    if (tree && veiled) {
        CallPrevious(entry, window, WM_PAINT, reinterpret_cast<WPARAM>(tree), 0);
        TransparentBlt(veiled, 0, 0, size.cx, size.cy, tree, 0, 0, size.cx, size.cy, kColourKey);
        if (HDC dc = Dc_ExcludeChildren(window)) {
            BitBlt(dc, 0, 0, size.cx, size.cy, veiled, 0, 0, SRCCOPY);
            Skin_PresentControl(window, veiled);
            ReleaseDC(window, dc);
        }
    }
    MemDc_Release(tree);
    MemDc_Release(veiled);
    entry.dirty = 0;
    return DefWindowProcW(window, WM_PAINT, 0, 0);
}

void InvalidateVisibleChildren(HWND window) {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
    }
}

// List views, list boxes and date pickers draw their items straight over the veil.
LRESULT PaintOverVeil(HWND window, const WindowSkinRecord& record, ListEntry& entry, bool listView) {
    PAINTSTRUCT paint;
    if (record.restoring == 1 && listView) {
        // The restored window is recomposed in full first; painting the view now would show a stale picture.
        BeginPaint(window, &paint);
        EndPaint(window, &paint);
        return DefWindowProcW(window, WM_PAINT, 0, 0);
    }
    HDC veiled = List_MakeBackground(window);
    HDC dc = BeginPaint(window, &paint);
    if (veiled) {
        const SIZE size = ClientSize(window);
        CallPrevious(entry, window, WM_PAINT, reinterpret_cast<WPARAM>(veiled), 0);
        if (dc) BitBlt(dc, 0, 0, size.cx, size.cy, veiled, 0, 0, SRCCOPY);
        Skin_PresentControl(window, veiled);
    }
    EndPaint(window, &paint);
    MemDc_Release(veiled);
    InvalidateVisibleChildren(window);
    entry.dirty = 0;
    return DefWindowProcW(window, WM_PAINT, 0, 0);
}

} // namespace

HDC List_MakeBackground(HWND window) {
    const SIZE size = ClientSize(window);
    HDC dc = Skin_SnapshotBackground(window, Window_ClientRectInWindow(window));
    if (!dc) return nullptr;
    GraphicsObject graphics;
    if (Graphics_FromDC(graphics, dc)) {
        SolidBrushObject veil;
        SolidBrush_Create(veil, Color_ToArgb(RGB(255, 255, 255), Skin_State().controlFillAlpha));
        Graphics_FillRectangle(graphics, veil, 0, 0, static_cast<float>(size.cx), static_cast<float>(size.cy));
    }
    return dc;
}

LRESULT List_Paint(HWND window, WPARAM wParam, LPARAM lParam) {
    ListTarget target = List_Target(window);
    if (!target) return Skin_PassOn(window, WM_PAINT, wParam, lParam);
    ListEntry& entry = *target.entry;
    const WindowSkinRecord& record = *target.record;

    Scroll_SyncBars(window);
    List_DrawFrame(target.recordPosition, target.entryPosition);
    // While the window is dragged only the list under the mouse draws itself again; the others are copied.
    if (!(record.moving == 1 && entry.mouseTracked == 0)) entry.dirty = 1;
    if (entry.dirty == 0) {
        Skin_BlitBackdrop(window, false, false, nullptr);
        return DefWindowProcW(window, WM_PAINT, wParam, lParam);
    }

    const bool translucent = Skin_State().translucentControls != 0;
    if (translucent && List_IsClass(window, L"SysTreeView32")) return PaintTree(window, entry);
    const bool listView = List_IsClass(window, L"SysListView32");
    if (translucent && (listView || List_IsClass(window, L"ListBox") || List_IsClass(window, L"SysDateTimePick32")))
        return PaintOverVeil(window, record, entry, listView);
    return Skin_PassOn(window, WM_PAINT, wParam, lParam);
}
