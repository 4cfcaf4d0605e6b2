#include "app/runtime.h"

#include "app/runtime_state.h"
#include "toolkit/codepage.h"
#include "toolkit/dispatch.h"

#include <array>

namespace {

constexpr wchar_t kFormClass[] = L"ShibeiForm";
constexpr wchar_t kInvokeClass[] = L"ShibeiInvoke";
constexpr UINT kInvokeMessage = WM_APP + 1;
constexpr UINT kFirstControlId = 1001;

LRESULT OnInvoke(HWND, WPARAM, LPARAM lParam) {
    auto* work = reinterpret_cast<const std::function<void()>*>(lParam);
    try {
        (*work)();
    } catch (...) {
        return 0;
    }
    return 1;
}

constexpr std::array<MessageRoute, 1> kInvokeRoutes{{{kInvokeMessage, OnInvoke}}};

LRESULT CALLBACK InvokeProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kInvokeRoutes, window, message, wParam, lParam, DefWindowProcW);
}

LRESULT OnCommand(HWND window, WPARAM wParam, LPARAM lParam) {
    if (HIWORD(wParam) == BN_CLICKED && lParam != 0) {
        auto& handlers = Runtime_State().clickHandlers;
        auto it = handlers.find(LOWORD(wParam));
        if (it != handlers.end() && it->second) {
            it->second();
            return 0;
        }
    }
    return DefWindowProcW(window, WM_COMMAND, wParam, lParam);
}

LRESULT OnDestroy(HWND window, WPARAM, LPARAM) {
    if (window == Runtime_State().mainWindow) PostQuitMessage(0);
    return 0;
}

// Children are gone by now, so no control still uses a font the run time made.
LRESULT OnNcDestroy(HWND window, WPARAM wParam, LPARAM lParam) {
    RuntimeState& state = Runtime_State();
    if (window == state.mainWindow) {
        state.mainWindow = nullptr;
        state.handles.clear();
        state.clickHandlers.clear();
        Runtime_ReleaseFonts();
    }
    return DefWindowProcW(window, WM_NCDESTROY, wParam, lParam);
}

constexpr std::array<MessageRoute, 3> kFormRoutes{{
    {WM_COMMAND, OnCommand},
    {WM_DESTROY, OnDestroy},
    {WM_NCDESTROY, OnNcDestroy},
}};

LRESULT CALLBACK FormProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return Dispatch(kFormRoutes, window, message, wParam, lParam, DefWindowProcW);
}

const wchar_t* ClassOf(ControlKind kind) {
    switch (kind) {
    case ControlKind::Label: return L"Static";
    case ControlKind::Edit: return L"Edit";
    case ControlKind::Button: return L"Button";
    }
    return L"Static";
}

FontHandle MakeFont(const FontForm& form) {
    LOGFONTW font{};
    font.lfHeight = form.height;
    font.lfWeight = form.weight;
    font.lfCharSet = form.charset;
    std::wstring face = Cp936_ToWide(form.face ? form.face : "");
    lstrcpynW(font.lfFaceName, face.c_str(), LF_FACESIZE);
    return FontHandle(CreateFontIndirectW(&font));
}

// Controls without a form font use 宋体 at 9 points, the usual dialog font of a Chinese Windows.
FontHandle MakeDefaultFont() {
    return MakeFont({Runtime_PointsToHeight(9), FW_NORMAL, GB2312_CHARSET, "宋体"});
}

HWND CreateControl(HWND parent, const ControlForm& form, UINT id) {
    const std::wstring text = Cp936_ToWide(form.text ? form.text : "");
    HWND control = CreateWindowExW(form.exStyle, ClassOf(form.kind), text.c_str(),
                                   WS_CHILD | WS_VISIBLE | form.style, form.x, form.y, form.width, form.height, parent,
                                   reinterpret_cast<HMENU>(static_cast<UINT_PTR>(id)), GetModuleHandleW(nullptr),
                                   nullptr);
    if (!control) return nullptr;
    RuntimeState& state = Runtime_State();
    if (form.font) {
        Runtime_AdoptFont(control, MakeFont(*form.font));
    } else {
        SendMessageW(control, WM_SETFONT, reinterpret_cast<WPARAM>(state.defaultFont.get()), FALSE);
    }
    // A multi-line edit box holds only ~32K characters unless told otherwise, and EM_REPLACESEL drops the rest.
    if (form.kind == ControlKind::Edit && (form.style & ES_MULTILINE)) SendMessageW(control, EM_SETLIMITTEXT, 0, 0);
    state.handles[form.name] = control;
    if (form.clicked) state.clickHandlers[id] = form.clicked;
    return control;
}

} // namespace

RuntimeState& Runtime_State() {
    static RuntimeState state;
    return state;
}

bool Runtime_Startup() {
    RuntimeState& state = Runtime_State();
    if (state.invokeWindow) return true;
    state.uiThread = GetCurrentThreadId();
    HINSTANCE instance = GetModuleHandleW(nullptr);

    WNDCLASSEXW form{};
    form.cbSize = sizeof(form);
    form.lpfnWndProc = FormProc;
    form.hInstance = instance;
    form.hCursor = LoadCursorW(nullptr, IDC_ARROW);
    form.hbrBackground = GetSysColorBrush(COLOR_BTNFACE);
    form.lpszClassName = kFormClass;
    form.hIcon = LoadIconW(instance, L"DEFAULT_ICON");
    if (!RegisterClassExW(&form) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;

    WNDCLASSEXW invoke{};
    invoke.cbSize = sizeof(invoke);
    invoke.lpfnWndProc = InvokeProc;
    invoke.hInstance = instance;
    invoke.lpszClassName = kInvokeClass;
    if (!RegisterClassExW(&invoke) && GetLastError() != ERROR_CLASS_ALREADY_EXISTS) return false;
    state.invokeWindow = CreateWindowExW(0, kInvokeClass, L"", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    state.defaultFont = MakeDefaultFont();
    return state.invokeWindow != nullptr;
}

void Runtime_RegisterExit(void (*routine)()) { Runtime_State().exitRoutine = routine; }

void Runtime_Exit() {
    RuntimeState& state = Runtime_State();
    if (state.exitDone) return;
    state.exitDone = true;
    if (state.exitRoutine) state.exitRoutine();
}

HWND Runtime_LoadWindow(const WindowForm& form) {
    RuntimeState& state = Runtime_State();
    const std::wstring caption = Cp936_ToWide(form.caption ? form.caption : "");
    HWND window = CreateWindowExW(form.exStyle, kFormClass, caption.c_str(), form.style, form.x, form.y, form.width,
                                  form.height, nullptr, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (!window) return nullptr;
    if (!state.mainWindow) state.mainWindow = window;
    state.handles[form.name] = window;
    UINT id = kFirstControlId;
    for (const ControlForm& control : form.controls) CreateControl(window, control, id++);
    if (form.created) form.created();
    ShowWindow(window, SW_SHOWNORMAL);
    UpdateWindow(window);
    return window;
}

HWND Runtime_Handle(const char* formName) {
    auto& handles = Runtime_State().handles;
    auto it = handles.find(formName ? formName : "");
    return it == handles.end() ? nullptr : it->second;
}

int Runtime_MessageLoop() {
    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        HWND main = Runtime_State().mainWindow;
        if (main && IsDialogMessageW(main, &message)) continue;
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
    return 0;
}

bool Runtime_OnUiThread(const std::function<void()>& work) {
    RuntimeState& state = Runtime_State();
    if (GetCurrentThreadId() == state.uiThread) {
        work();
        return true;
    }
    if (!state.invokeWindow) return false;
    return SendMessageW(state.invokeWindow, kInvokeMessage, 0, reinterpret_cast<LPARAM>(&work)) != 0;
}
