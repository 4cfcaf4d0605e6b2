// The container's replacement procedure: for its children it plays the part the frame procedure plays for a
// dressed window's, and paints nothing itself.
#include <windows.h>
#include <commctrl.h>

#include <cstring>

#include "skin/core/child_colour.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/geometry.h"
#include "skin/painters/basic/button_painter.h"
#include "skin/painters/lists/container.h"
#include "toolkit/dispatch.h"

namespace {

// The container's entry, found by its window rather than trusted from its properties.
ContainerEntry* Entry(HWND window, int* recordPosition = nullptr, int* entryPosition = nullptr) {
    const int owner = static_cast<int>(Prop_GetInt(window, SkinProp::kOwnerId));
    const int position = Skin_FindContainerEntry(owner, window);
    if (!position) return nullptr;
    if (recordPosition) *recordPosition = owner;
    if (entryPosition) *entryPosition = position;
    return &Skin_RecordAt(owner)->containers[position - 1];
}

// What the colour answers left with the children goes while the children still exist.
LRESULT OnDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_DropChildColourObjects(window);
    return Skin_PassOn(window, WM_DESTROY, wParam, lParam);
}

LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    int record = 0, position = 0;
    if (Entry(window, &record, &position)) Container_Unregister(record, position);
    return Skin_PassOn(window, WM_NCDESTROY, wParam, lParam);
}

LRESULT OnShowWindow(HWND window, WPARAM wParam, LPARAM lParam) {
    if (wParam != 1) return Skin_PassOn(window, WM_SHOWWINDOW, wParam, lParam);
    Skin_PassOn(window, WM_SHOWWINDOW, wParam, lParam);
    return DefWindowProcW(window, WM_SHOWWINDOW, wParam, lParam);
}

LRESULT OnWindowPosChanging(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_MarkParentDirty(window);
    return Skin_PassOn(window, WM_WINDOWPOSCHANGING, wParam, lParam);
}

// The container erases nothing: what lies behind its children is painted by whoever draws the container. With the
// skin off the system's erasing goes on as usual.
LRESULT OnEraseBackground(HWND window, WPARAM wParam, LPARAM lParam) {
    if (!Skin_State().skinControls) return Skin_PassOn(window, WM_ERASEBKGND, wParam, lParam);
    SetBkMode(reinterpret_cast<HDC>(wParam), TRANSPARENT);
    return 1;
}

LRESULT OnDrawItem(HWND window, WPARAM wParam, LPARAM lParam) {
    if (const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam)) {
        const DRAWITEMSTRUCT copy = *item;
        Button_RelayDrawItem(&copy);
    }
    return Skin_PassOn(window, WM_DRAWITEM, wParam, lParam);
}

template <UINT Message> LRESULT OnColour(HWND window, WPARAM wParam, LPARAM lParam) {
    LRESULT brush = 0;
    if (Skin_AnswerChildColour(Message, wParam, lParam, brush)) return brush;
    return Skin_PassOn(window, Message, wParam, lParam);
}

LRESULT OnSize(HWND window, WPARAM wParam, LPARAM lParam) {
    if (ContainerEntry* entry = Entry(window)) entry->repaint = 1;
    return Skin_PassOn(window, WM_SIZE, wParam, lParam);
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    Skin_RelayChildCommand(wParam, lParam);
    return Skin_PassOn(window, WM_COMMAND, wParam, lParam);
}

LRESULT OnNotify(HWND window, WPARAM wParam, LPARAM lParam) {
    if (const auto* header = reinterpret_cast<const NMHDR*>(lParam)) Skin_RelayChildNotify(*header);
    return Skin_PassOn(window, WM_NOTIFY, wParam, lParam);
}

constexpr MessageRoute kRoutes[] = {
    {WM_DESTROY, OnDestroy},
    {WM_NCDESTROY, OnNcDestroy},
    {WM_SHOWWINDOW, OnShowWindow},
    {WM_WINDOWPOSCHANGING, OnWindowPosChanging},
    {WM_ERASEBKGND, OnEraseBackground},
    {WM_DRAWITEM, OnDrawItem},
    {WM_CTLCOLORSTATIC, OnColour<WM_CTLCOLORSTATIC>},
    {WM_CTLCOLOREDIT, OnColour<WM_CTLCOLOREDIT>},
    {WM_CTLCOLORBTN, OnColour<WM_CTLCOLORBTN>},
    {WM_CTLCOLORLISTBOX, OnColour<WM_CTLCOLORLISTBOX>},
    {WM_SIZE, OnSize},
    {WM_COMMAND, OnCommand},
    {WM_NOTIFY, OnNotify},
};

} // namespace

LRESULT CALLBACK Container_WindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kRoutes, window, message, wParam, lParam, Skin_PassOn);
}
