#include "toolkit/ui_notice.h"

#include "toolkit/codepage.h"

namespace {

// Cuts a text to at most limit bytes without splitting a double-byte character.
Text CutAtCharacter(Text text, std::size_t limit) {
    std::size_t end = 0;
    while (end < text.size()) {
        const std::size_t next = end + (static_cast<unsigned char>(text[end]) >= 0x80 ? 2 : 1);
        if (next > limit) break;
        end = next;
    }
    text.resize(end < text.size() ? end : text.size());
    return text;
}

BOOL CALLBACK AddVisibleWindow(HWND window, LPARAM param) {
    if (!IsWindowVisible(window)) return TRUE;
    auto& list = *reinterpret_cast<std::vector<WindowListEntry>*>(param);
    try {
        WindowListEntry entry;
        entry.window = window;
        DWORD processId = 0;
        entry.threadId = GetWindowThreadProcessId(window, &processId);
        entry.processId = processId;
        wchar_t title[256] = {};
        GetWindowTextW(window, title, 256);
        entry.title = CutAtCharacter(Cp936_FromWide(title), 255);
        wchar_t className[50] = {};
        GetClassNameW(window, className, 50);
        entry.className = CutAtCharacter(Cp936_FromWide(className), 49);
        list.push_back(std::move(entry));
    } catch (...) {
        return FALSE;
    }
    return TRUE;
}

} // namespace

int Window_ListVisible(std::vector<WindowListEntry>& list) {
    // The enumeration fills a list of its own, so that two threads listing at once never share one.
    std::vector<WindowListEntry> found;
    EnumWindows(AddVisibleWindow, reinterpret_cast<LPARAM>(&found));
    list = std::move(found);
    return static_cast<int>(list.size());
}

HWND Window_FindOfProcess(std::uint32_t processId) {
    std::vector<WindowListEntry> list;
    Window_ListVisible(list);
    for (const WindowListEntry& entry : list) {
        if (entry.processId == processId) return entry.window;
    }
    return nullptr;
}

int Ui_Notice(const Text& text, std::optional<UINT> flags, std::optional<Text> caption, std::optional<HWND> owner) {
    const HWND ownerWindow = owner ? *owner : Window_FindOfProcess(GetCurrentProcessId());
    const Text title = caption ? *caption : Text("友情提醒");
    const int pressed = MessageBoxW(ownerWindow, Cp936_ToWide(text).c_str(), Cp936_ToWide(title).c_str(),
                                    flags ? *flags : MB_ICONINFORMATION);
    return pressed - 1;
}
