// Throughput of page decoding and of one replacement pass on generated pages; prints a table.
#include "toolkit/text.h"
#include "toolkit/url_decode.h"

#include <windows.h>

#include <cstdio>
#include <string>

namespace {

// A page like the mirror's: markup, Chinese in percent escapes and raw, and ed2k links.
Text MakePage(std::size_t bytes) {
    const std::string chunk = "<li><a href=\"http://www.shellshare.mirror.example/detail.htm?id=42\">%E5%B1%B1%E6%B5%B7"
                              "%E7%BB%8F</a> ed2k%3A%2F%2F%7Cfile%7C%E7%AC%AC1%E9%9B%86.mkv%7C700001001%7C%2F</li>\r\n";
    Text page;
    page.reserve(bytes + chunk.size());
    while (page.size() < bytes) page += chunk;
    page.resize(bytes);
    return page;
}

double Seconds(LARGE_INTEGER from, LARGE_INTEGER to) {
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

template <typename Work>
double BestOf(int runs, Work work) {
    double best = 1e9;
    for (int i = 0; i < runs; ++i) {
        LARGE_INTEGER a, b;
        QueryPerformanceCounter(&a);
        work();
        QueryPerformanceCounter(&b);
        best = std::min(best, Seconds(a, b));
    }
    return best;
}

} // namespace

int main() {
    std::printf("%-28s %10s %12s %10s\n", "operation", "input MB", "seconds", "MB/s");
    double first[2] = {0, 0};
    for (std::size_t mb : {1u, 4u}) {
        const Text page = MakePage(mb << 20);
        std::size_t sink = 0;
        const double decode = BestOf(5, [&] { sink += Text_DecodeUrlUtf8(page).size(); });
        const double replace =
            BestOf(5, [&] { sink += Text_ReplacePass(page, "shellshare", "shellshare.mirror", 1, {}, false).size(); });
        std::printf("%-28s %10zu %12.4f %10.1f\n", "Text_DecodeUrlUtf8", mb, decode, mb / decode);
        std::printf("%-28s %10zu %12.4f %10.1f\n", "Text_Replace (one pass)", mb, replace, mb / replace);
        if (mb == 1) first[0] = decode, first[1] = replace;
        else
            std::printf("%-28s %10s %12.2f %10.2f   (time 4 MB / time 1 MB, linear = 4)\n", "scaling decode/replace",
                        "", decode / first[0], replace / first[1]);
        if (sink == 0) std::printf("?\n");
    }
    return 0;
}
