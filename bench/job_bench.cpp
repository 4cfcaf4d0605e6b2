// Wall time of one extraction job over a served topic, next to fetching the same pages one by one with
// WinInet directly. Run through bench/run_job_bench.sh, which serves a 200-detail topic with latency.
#include "app/extraction_job.h"
#include "app/main_form.h"
#include "app/runtime.h"

#include <windows.h>
#include <wininet.h>

#include <cstdio>
#include <string>
#include <vector>

namespace {

constexpr wchar_t kMirror[] = L"http://www.shellshare.mirror.example";

double Now() {
    LARGE_INTEGER counter, frequency;
    QueryPerformanceCounter(&counter);
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(counter.QuadPart) / static_cast<double>(frequency.QuadPart);
}

std::size_t FetchAll(const std::vector<std::wstring>& urls) {
    std::size_t total = 0;
    HINTERNET session = InternetOpenW(L"bench", INTERNET_OPEN_TYPE_DIRECT, nullptr, nullptr, 0);
    for (const std::wstring& url : urls) {
        HINTERNET request = InternetOpenUrlW(session, url.c_str(), nullptr, 0, INTERNET_FLAG_RELOAD, 0);
        char buffer[1024];
        DWORD got = 0;
        while (request && InternetReadFile(request, buffer, sizeof buffer, &got) && got) total += got;
        if (request) InternetCloseHandle(request);
    }
    InternetCloseHandle(session);
    return total;
}

} // namespace

int main(int argc, char** argv) {
    const int details = argc > 1 ? std::atoi(argv[1]) : 200;
    Runtime_Startup();
    HWND window = Runtime_LoadWindow(MainWindow_Form(nullptr, nullptr));
    HWND button = GetDlgItem(window, kExtractButtonId);

    const double start = Now();
    Runtime_StartThread(ExtractionJob);
    MSG message;
    wchar_t caption[32] = {};
    while (lstrcmpW(caption, L"提取完成") != 0) {
        while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&message);
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
        GetWindowTextW(button, caption, 32);
    }
    const double job = Now() - start;
    const int output = GetWindowTextLengthW(GetDlgItem(window, kOutputBoxId));

    std::vector<std::wstring> urls{std::wstring(kMirror) + L"/topics/2847/"};
    for (int i = 1; i <= details; ++i) urls.push_back(std::wstring(kMirror) + L"/detail.htm?id=" + std::to_wstring(i));
    const double plainStart = Now();
    const std::size_t bytes = FetchAll(urls);
    const double plain = Now() - plainStart;

    std::printf("%-36s %10s %12s\n", "what", "seconds", "per page ms");
    std::printf("%-36s %10.2f %12.1f   (%d characters of output)\n", "extraction job", job,
                1000 * job / static_cast<double>(urls.size()), output);
    std::printf("%-36s %10.2f %12.1f   (%zu bytes)\n", "plain sequential WinInet fetch", plain,
                1000 * plain / static_cast<double>(urls.size()), bytes);
    std::printf("%-36s %10.2f\n", "job / plain", job / plain);
    DestroyWindow(window);
    return 0;
}
