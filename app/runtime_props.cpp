// Control properties, appends, message boxes and threads: the operations a worker thread may call.
#include "app/runtime.h"

#include "app/runtime_state.h"
#include "toolkit/codepage.h"

#include <process.h>

void Runtime_AdoptFont(HWND control, FontHandle font) {
    if (!font) return;
    RuntimeState& state = Runtime_State();
    SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(font.get()), TRUE);
    // The control has switched; only now may the font it used before be deleted.
    state.ownedFonts[control] = std::move(font);
}

void Runtime_ReleaseFonts() { Runtime_State().ownedFonts.clear(); }

int Runtime_PointsToHeight(int points) {
    WindowDc screen(nullptr);
    return -MulDiv(points, GetDeviceCaps(screen.get(), LOGPIXELSY), 72);
}

Text Runtime_GetText(HWND control) {
    Text result;
    Runtime_OnUiThread([&] {
        const int length = GetWindowTextLengthW(control);
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        const int got = GetWindowTextW(control, text.data(), length + 1);
        text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
        result = Cp936_FromWide(text);
    });
    return result;
}

void Runtime_SetText(HWND control, std::string_view text) {
    const std::wstring wide = Cp936_ToWide(text);
    Runtime_OnUiThread([&] { SetWindowTextW(control, wide.c_str()); });
}

void Runtime_SetCaption(HWND control, std::string_view text) { Runtime_SetText(control, text); }

void Runtime_SetFontSize(HWND control, int points) {
    Runtime_OnUiThread([&] {
        LOGFONTW font{};
        auto current = reinterpret_cast<HFONT>(SendMessageW(control, WM_GETFONT, 0, 0));
        if (!current || GetObjectW(current, sizeof(font), &font) != sizeof(font))
            GetObjectW(GetStockObject(SYSTEM_FONT), sizeof(font), &font);
        font.lfHeight = Runtime_PointsToHeight(points);
        font.lfWidth = 0;
        Runtime_AdoptFont(control, FontHandle(CreateFontIndirectW(&font)));
    });
}

void Runtime_AppendText(HWND edit, std::string_view text) {
    const std::wstring wide = Cp936_ToWide(text);
    Runtime_OnUiThread([&] {
        const int end = GetWindowTextLengthW(edit);
        SendMessageW(edit, EM_SETSEL, end, end);
        SendMessageW(edit, EM_SCROLLCARET, 0, 0);
        SendMessageW(edit, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(wide.c_str()));
    });
}

void Runtime_MessageBox(std::string_view text) {
    const std::wstring wide = Cp936_ToWide(text);
    const std::wstring caption = Cp936_ToWide("信息：");
    MessageBoxW(nullptr, wide.c_str(), caption.c_str(), MB_OK | MB_TASKMODAL);
}

namespace {

unsigned __stdcall ThreadEntry(void* routine) {
    reinterpret_cast<void (*)()>(routine)();
    return 0;
}

} // namespace

bool Runtime_StartThread(void (*routine)()) {
    // _beginthreadex keeps the C run time's per-thread state right; the routine itself gets no argument.
    const uintptr_t handle = _beginthreadex(nullptr, 0, ThreadEntry, reinterpret_cast<void*>(routine), 0, nullptr);
    if (!handle) return false;
    CloseHandle(reinterpret_cast<HANDLE>(handle));
    return true;
}
