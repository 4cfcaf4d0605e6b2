#include "skin/draw/geometry.h"

#include <algorithm>

#include "skin/core/skin_registry.h"
#include "toolkit/codepage.h"

namespace {

constexpr int kFixedScrollBarThickness = 17;

LONG_PTR Style(HWND window) { return GetWindowLongPtrW(window, GWL_STYLE); }
LONG_PTR ExStyle(HWND window) { return GetWindowLongPtrW(window, GWL_EXSTYLE); }

int FloorHalf(int value) { return value >= 0 ? value / 2 : -((-value + 1) / 2); }

RECT ScreenRect(HWND window) {
    RECT r{};
    GetWindowRect(window, &r);
    return r;
}

// The window rectangle of the dressed window that window belongs to; its top-level window stands in for one.
RECT TopRect(HWND window) {
    if (const WindowSkinRecord* record = Skin_RecordAt(Skin_FindOwnerRecord(window)); record && record->window)
        return ScreenRect(record->window);
    HWND root = GetAncestor(window, GA_ROOT);
    return ScreenRect(root ? root : window);
}

int ScrollBarExtent(HWND window, LONG id, bool width) {
    SCROLLBARINFO info{};
    info.cbSize = sizeof info;
    if (!GetScrollBarInfo(window, id, &info)) return 0;
    const RECT& bar = info.rcScrollBar;
    return width ? bar.right - bar.left : bar.bottom - bar.top;
}

}  // namespace

bool Window_IsTransparent(HWND window) { return (ExStyle(window) & WS_EX_TRANSPARENT) != 0; }

bool Window_HasScrollBars(HWND window) { return (Style(window) & (WS_VSCROLL | WS_HSCROLL)) != 0; }

int Window_BorderKind(HWND window) {
    if (Style(window) & WS_BORDER) return 1;
    if (ExStyle(window) & (WS_EX_WINDOWEDGE | WS_EX_CLIENTEDGE | WS_EX_DLGMODALFRAME)) return 2;
    return 0;
}

Text Window_GetClassName(HWND window) {
    wchar_t name[256] = {};
    const int length = GetClassNameW(window, name, 256);
    return Cp936_FromWide(std::wstring_view(name, length > 0 ? length : 0));
}

Text Window_GetText(HWND window) {
    const int length = GetWindowTextLengthW(window);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const int got = GetWindowTextW(window, text.data(), length + 1);
    text.resize(static_cast<size_t>(got > 0 ? got : 0));
    return Cp936_FromWide(text);
}

void Window_TrackMouse(HWND window, DWORD flags, DWORD hoverTime) {
    TRACKMOUSEEVENT track{sizeof track, flags, window, hoverTime};
    TrackMouseEvent(&track);
}

RECT Window_RectInParent(HWND window) {
    if (Skin_FindWindowRecord(window) > 0) return {};
    RECT r = ScreenRect(window);
    POINT origin{};
    if (HWND parent = GetAncestor(window, GA_PARENT)) ClientToScreen(parent, &origin);
    OffsetRect(&r, -origin.x, -origin.y);
    return r;
}

RECT Window_RectInTop(HWND window) {
    RECT r = ScreenRect(window);
    const RECT top = TopRect(window);
    OffsetRect(&r, -top.left, -top.top);
    return r;
}

RECT Window_ClientInset(HWND window) {
    const RECT w = ScreenRect(window);
    RECT client{};
    GetClientRect(window, &client);
    int s = client.right - client.left, u = client.bottom - client.top;
    if (Style(window) & WS_VSCROLL) s += ScrollBarExtent(window, OBJID_VSCROLL, true);
    if (Style(window) & WS_HSCROLL) u += ScrollBarExtent(window, OBJID_HSCROLL, false);
    const int left = FloorHalf((w.right - w.left) - s), top = FloorHalf((w.bottom - w.top) - u);
    return {left, top, left + s, top + u};
}

RECT Window_ClientRectInTop(HWND window) {
    const RECT w = ScreenRect(window), t = TopRect(window), i = Window_ClientInset(window);
    return {w.left - t.left + i.left, w.top - t.top + i.top, w.right - t.left - i.left, w.bottom - t.top - i.top};
}

RECT Window_ClientRectInWindow(HWND window) {
    const RECT w = ScreenRect(window);
    RECT client{};
    GetClientRect(window, &client);
    const int cw = client.right - client.left, ch = client.bottom - client.top;
    const int sx = (Style(window) & WS_VSCROLL) ? kFixedScrollBarThickness : 0;
    const int sy = (Style(window) & WS_HSCROLL) ? kFixedScrollBarThickness : 0;
    const int left = FloorHalf((w.right - w.left) - (cw + sx)), top = FloorHalf((w.bottom - w.top) - (ch + sy));
    return {left, top, left + cw, top + ch};
}

int Skin_FindContainerEntry(int position, HWND window) {
    const WindowSkinRecord* record = Skin_RecordAt(position);
    if (!record || !window) return 0;
    for (size_t i = 0; i < record->containers.size(); ++i)
        if (record->containers[i].control == window) return static_cast<int>(i) + 1;
    return 0;
}

void Skin_MarkParentDirty(HWND control) {
    HWND parent = GetParent(control);
    if (!parent) return;
    const int position = static_cast<int>(Prop_GetInt(parent, SkinProp::kOwnerId));
    const int entry = Skin_FindContainerEntry(position, parent);
    if (entry > 0) Skin_RecordAt(position)->containers[entry - 1].dirty = 1;
}

HWND Window_NextPaintedChild(HWND window, HWND after) {
    HWND child = after;
    while ((child = FindWindowExW(window, child, nullptr, nullptr)) != nullptr) {
        if ((Style(child) & WS_VISIBLE) && !Window_IsTransparent(child)) return child;
    }
    return nullptr;
}

HDC Dc_ExcludeChildren(HWND window, HDC dc) {
    if (!dc) dc = GetDC(window);
    if (!dc) return nullptr;

    bool limited = false;
    LONG limitRight = 0, limitBottom = 0;
    if (const WindowSkinRecord* own = Skin_RecordAt(Skin_FindWindowRecord(window))) {
        limited = true;
        limitRight = own->composedWidth;
        limitBottom = own->composedHeight;
    } else {
        const int position = static_cast<int>(Prop_GetInt(window, SkinProp::kOwnerId));
        if (const WindowSkinRecord* owner = Skin_RecordAt(position)) {
            limited = true;  // a control that is not a container keeps the (0, 0) limits: nothing is clipped
            if (const int entry = Skin_FindContainerEntry(position, window); entry > 0) {
                // A container clips within the client extent it had when it was registered.
                limitRight = owner->containers[entry - 1].clientRight;
                limitBottom = owner->containers[entry - 1].clientBottom;
            }
        }
    }

    for (HWND child = Window_NextPaintedChild(window, nullptr); child; child = Window_NextPaintedChild(window, child)) {
        RECT r = Window_RectInParent(child);
        r.left = std::max(r.left, 0L);
        r.top = std::max(r.top, 0L);
        if (limited) {
            r.right = std::min(r.right, limitRight);
            r.bottom = std::min(r.bottom, limitBottom);
        }
        r.right = std::max(r.right, r.left);
        r.bottom = std::max(r.bottom, r.top);
        ExcludeClipRect(dc, r.left, r.top, r.right, r.bottom);
    }
    return dc;
}
