#include "skin/core/control_registration.h"

LONG_PTR Skin_Subclass(HWND window, WNDPROC procedure, const wchar_t* procProperty) {
    // A window already subclassed under this name keeps its chain: a second replacement would overwrite the kept
    // procedure with the first skin procedure, which would then pass every message on to itself.
    if (const LONG_PTR kept = Prop_GetInt(window, procProperty)) return kept;
    const LONG_PTR previous = SetWindowLongPtrW(window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(procedure));
    Prop_SetInt(window, procProperty, previous);
    return previous;
}

namespace {

LRESULT PassOnThrough(const wchar_t* procProperty, HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    const LONG_PTR kept = Prop_GetInt(window, procProperty);
    if (!kept) return DefWindowProcW(window, message, wParam, lParam);
    return CallWindowProcW(reinterpret_cast<WNDPROC>(kept), window, message, wParam, lParam);
}

}  // namespace

LRESULT Skin_PassOn(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PassOnThrough(SkinProp::kProc, window, message, wParam, lParam);
}

LRESULT Skin_PassOnToolbar(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return PassOnThrough(SkinProp::kToolbarProc, window, message, wParam, lParam);
}
