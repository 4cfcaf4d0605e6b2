#include "tests/support/message_log.h"

namespace {

std::vector<LoggedMessage> entries;
std::function<bool(UINT)> filter;
bool swallowModal = true;

LRESULT CALLBACK LogProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (!filter || filter(message)) entries.push_back({window, message, wParam, lParam});
    if (swallowModal) {
        if (message == WM_NCLBUTTONDOWN) return 0;
        if (message == WM_SYSCOMMAND) {
            const WPARAM command = wParam & 0xFFF0;
            if (command == SC_MOVE || command == SC_SIZE) return 0;
        }
    }
    return DefWindowProcW(window, message, wParam, lParam);
}

}  // namespace

const wchar_t* MessageLog::ClassName() {
    static const wchar_t* name = [] {
        WNDCLASSW wc{};
        wc.style = CS_DBLCLKS;
        wc.lpfnWndProc = LogProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = L"ShibeiMessageLog";
        RegisterClassW(&wc);
        return L"ShibeiMessageLog";
    }();
    return name;
}

void MessageLog::Clear() { entries.clear(); }
const std::vector<LoggedMessage>& MessageLog::Entries() { return entries; }

std::vector<LoggedMessage> MessageLog::For(HWND window, const std::vector<UINT>& only) {
    std::vector<LoggedMessage> result;
    for (const LoggedMessage& entry : entries) {
        if (entry.window != window) continue;
        if (!only.empty()) {
            bool wanted = false;
            for (UINT message : only) wanted = wanted || message == entry.message;
            if (!wanted) continue;
        }
        result.push_back(entry);
    }
    return result;
}

int MessageLog::Count(HWND window, UINT message) {
    int count = 0;
    for (const LoggedMessage& entry : entries) count += entry.window == window && entry.message == message;
    return count;
}

void MessageLog::SetFilter(std::function<bool(UINT)> f) { filter = std::move(f); }
void MessageLog::SetSwallowModalLoops(bool swallow) { swallowModal = swallow; }
