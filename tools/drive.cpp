// shibei-drive: drives a running 拾贝 window as a user would, for the demo and the end-to-end tests.
//   wait [ms]             until the window titled 拾贝 is shown
//   set-address TEXT      types TEXT into the address box
//   click                 presses 点击提取
//   wait-caption TEXT [ms] until the button reads TEXT
// A TEXT may be given as utf8:HEX (its UTF-8 bytes in hex).
//   read-caption          prints the button's caption as UTF-8
//   read-output           prints the output box as UTF-8
//   close-notice [ms]     prints the text of the "信息：" box and closes it
//   close                 closes the window
// Exit status 0 on success, 1 on a time-out or a missing window, 2 on bad usage.
#include "app/main_form.h"
#include "toolkit/codepage.h"

#include <windows.h>
#include <shellapi.h>

#include <cstdio>
#include <fcntl.h>
#include <io.h>
#include <string>

namespace {

HWND MainWindow() {
    HWND window = FindWindowW(L"ShibeiForm", L"拾贝");
    return window && IsWindowVisible(window) ? window : nullptr;
}

template <typename Pred>
bool WaitFor(Pred pred, DWORD ms) {
    const ULONGLONG end = GetTickCount64() + ms;
    while (!pred()) {
        if (GetTickCount64() >= end) return false;
        Sleep(20);
    }
    return true;
}

std::wstring TextOf(HWND window) {
    DWORD_PTR length = 0;
    SendMessageTimeoutW(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &length);
    std::wstring text(length + 1, L'\0');
    DWORD_PTR got = 0;
    SendMessageTimeoutW(window, WM_GETTEXT, length + 1, reinterpret_cast<LPARAM>(text.data()), SMTO_ABORTIFHUNG, 5000,
                        &got);
    text.resize(got);
    return text;
}

void PrintUtf8(const std::wstring& text) {
    const std::string bytes = Utf8_FromWide(text);
    fwrite(bytes.data(), 1, bytes.size(), stdout);
    fputc('\n', stdout);
    fflush(stdout);
}

// Wine hands non-ASCII arguments over through the Unix locale's character set, which may be plain ASCII;
// callers can pass a text as "utf8:" followed by the hex digits of its UTF-8 bytes instead.
std::wstring Argument(const wchar_t* arg) {
    std::wstring text = arg;
    if (text.rfind(L"utf8:", 0) != 0) return text;
    std::string bytes;
    for (std::size_t i = 5; i + 1 < text.size(); i += 2)
        bytes.push_back(static_cast<char>(std::stoi(Utf8_FromWide(text.substr(i, 2)), nullptr, 16)));
    return Utf8_ToWide(bytes);
}

int Fail(const char* why) {
    fprintf(stderr, "shibei-drive: %s\n", why);
    return 1;
}

} // namespace

int main() {
    _setmode(_fileno(stdout), _O_BINARY); // the texts carry their own CR LF
    int argc = 0;
    wchar_t** argv = CommandLineToArgvW(GetCommandLineW(), &argc);
    if (argc < 2) return 2;
    const std::wstring command = argv[1];
    auto number = [&](int index, DWORD fallback) { return argc > index ? wcstoul(argv[index], nullptr, 10) : fallback; };

    if (command == L"wait") return WaitFor([] { return MainWindow() != nullptr; }, number(2, 30000)) ? 0 : Fail("no window");
    HWND main = MainWindow();
    if (!main) return Fail("no window titled 拾贝");
    if (command == L"set-address" && argc > 2) {
        const std::wstring address = Argument(argv[2]);
        SendMessageW(GetDlgItem(main, kAddressBoxId), WM_SETTEXT, 0, reinterpret_cast<LPARAM>(address.c_str()));
        return 0;
    }
    if (command == L"click") return PostMessageW(GetDlgItem(main, kExtractButtonId), BM_CLICK, 0, 0) ? 0 : 1;
    if (command == L"wait-caption" && argc > 2) {
        const std::wstring want = Argument(argv[2]);
        HWND button = GetDlgItem(main, kExtractButtonId);
        return WaitFor([&] { return TextOf(button) == want; }, number(3, 60000)) ? 0 : Fail("caption not reached");
    }
    if (command == L"read-caption") {
        PrintUtf8(TextOf(GetDlgItem(main, kExtractButtonId)));
        return 0;
    }
    if (command == L"read-output") {
        PrintUtf8(TextOf(GetDlgItem(main, kOutputBoxId)));
        return 0;
    }
    if (command == L"close-notice") {
        HWND box = nullptr;
        if (!WaitFor([&] { return (box = FindWindowW(L"#32770", L"信息：")) != nullptr && IsWindowVisible(box); },
                     number(2, 10000)))
            return Fail("no notice");
        // The box may be shown a moment before its text is in place: read until the text is there.
        std::wstring text;
        WaitFor(
            [&] {
                for (HWND child = GetWindow(box, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
                    wchar_t cls[16] = {};
                    GetClassNameW(child, cls, 16);
                    if (!lstrcmpiW(cls, L"Static") && !TextOf(child).empty()) text = TextOf(child);
                }
                return !text.empty();
            },
            number(2, 10000));
        PrintUtf8(text);
        PostMessageW(box, WM_COMMAND, IDOK, 0);
        return 0;
    }
    if (command == L"close") return PostMessageW(main, WM_CLOSE, 0, 0) ? 0 : 1;
    return 2;
}
