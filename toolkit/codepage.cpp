#include "toolkit/codepage.h"

#include <windows.h>

namespace {

constexpr UINT kChinese = 936;

std::wstring ToWide(UINT codePage, std::string_view text) {
    if (text.empty()) return {};
    const int n = MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    std::wstring out(static_cast<std::size_t>(n > 0 ? n : 0), L'\0');
    if (n > 0) MultiByteToWideChar(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n);
    return out;
}

std::string FromWide(UINT codePage, std::wstring_view text) {
    if (text.empty()) return {};
    const int n = WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), nullptr, 0, nullptr,
                                      nullptr);
    std::string out(static_cast<std::size_t>(n > 0 ? n : 0), '\0');
    if (n > 0)
        WideCharToMultiByte(codePage, 0, text.data(), static_cast<int>(text.size()), out.data(), n, nullptr, nullptr);
    return out;
}

} // namespace

std::wstring Cp936_ToWide(std::string_view text) { return ToWide(kChinese, text); }
std::string Cp936_FromWide(std::wstring_view text) { return FromWide(kChinese, text); }
std::wstring Utf8_ToWide(std::string_view text) { return ToWide(CP_UTF8, text); }
std::string Utf8_FromWide(std::wstring_view text) { return FromWide(CP_UTF8, text); }
