#include "toolkit/url_decode.h"

#include "toolkit/codepage.h"

#include <windows.h>

#include <climits>

namespace {

constexpr UINT kChinese = 936;

// Value of one escape digit: its place in "0123456789ABCDEF" after ASCII upper-casing, -2 for any other byte.
int DigitValue(unsigned char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -2;
}

std::string PercentDecode(std::string_view text) {
    std::string bytes;
    bytes.reserve(text.size());
    const std::size_t n = text.size();
    for (std::size_t i = 0; i < n; ++i) {
        if (text[i] != '%') {
            bytes.push_back(text[i]);
            continue;
        }
        const int high = i + 1 < n ? DigitValue(static_cast<unsigned char>(text[i + 1])) : 0;
        const int low = i + 2 < n ? DigitValue(static_cast<unsigned char>(text[i + 2])) : 0;
        i += 2; // past both digits, valid or not
        const auto byte = static_cast<unsigned char>(16 * high + low); // modulo 256
        if (byte != 0) bytes.push_back(static_cast<char>(byte));
    }
    return bytes;
}

// Composite checking turns a base letter and a following combining mark into the precomposed character where
// code page 936 has one.
std::string WideToChinese(std::wstring_view wide) {
    if (wide.empty() || wide.size() > static_cast<std::size_t>(INT_MAX)) return {};
    const int length = static_cast<int>(wide.size());
    const int n = WideCharToMultiByte(kChinese, WC_COMPOSITECHECK, wide.data(), length, nullptr, 0, nullptr, nullptr);
    if (n <= 0) return {};
    std::string out(static_cast<std::size_t>(n), '\0');
    const int written =
        WideCharToMultiByte(kChinese, WC_COMPOSITECHECK, wide.data(), length, out.data(), n, nullptr, nullptr);
    out.resize(static_cast<std::size_t>(written > 0 ? written : 0));
    return out;
}

} // namespace

Text Text_DecodeUrlUtf8(std::string_view text) {
    try {
        text = text.substr(0, text.find('\0'));
        const std::string bytes = PercentDecode(text);
        if (bytes.size() > static_cast<std::size_t>(INT_MAX)) return {};
        Text out = WideToChinese(Utf8_ToWide(bytes));
        out.resize(out.find('\0') == Text::npos ? out.size() : out.find('\0'));
        return out;
    } catch (...) {
        return {};
    }
}
