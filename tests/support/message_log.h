// Message-sequence recording for subclass chains: a window class whose procedure writes what reaches it into a
// log, used as the original procedure under a skin procedure. It sees exactly what the skin passes on.
#pragma once

#include <windows.h>

#include <functional>
#include <vector>

struct LoggedMessage {
    HWND window;
    UINT message;
    WPARAM wParam;
    LPARAM lParam;
    bool operator==(const LoggedMessage&) const = default;
};

class MessageLog {
public:
    // Registers (once) and names the recording window class; its windows use DefWindowProcW for everything except
    // what the filter swallows. WM_NCLBUTTONDOWN and WM_SYSCOMMAND SC_MOVE/SC_SIZE are swallowed by default, so
    // the system's modal move and size loops never start inside a test.
    static const wchar_t* ClassName();

    static void Clear();
    static const std::vector<LoggedMessage>& Entries();
    // The messages of one window, in order, optionally only those in the given set.
    static std::vector<LoggedMessage> For(HWND window, const std::vector<UINT>& only = {});
    static int Count(HWND window, UINT message);
    // Which messages get recorded (default: all). Set to record only what a test looks at.
    static void SetFilter(std::function<bool(UINT)> filter);
    // Whether the modal loops are kept from starting (default true).
    static void SetSwallowModalLoops(bool swallow);
};
