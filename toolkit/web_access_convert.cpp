#include "toolkit/web_access.h"

#include "toolkit/codepage.h"

#include <windows.h>

namespace {

std::string_view UpToNul(std::string_view text) { return text.substr(0, text.find('\0')); }

} // namespace

Text Text_Utf8ToLocal(std::string_view text) { return Cp936_FromWide(Utf8_ToWide(UpToNul(text))); }

Text Text_TraditionalToSimplified(std::string_view text) {
    text = UpToNul(text);
    if (text.empty()) return {};
    const int units = MultiByteToWideChar(950, 0, text.data(), static_cast<int>(text.size()), nullptr, 0);
    if (units <= 0) return {};
    std::wstring traditional(static_cast<std::size_t>(units), L'\0');
    MultiByteToWideChar(950, 0, text.data(), static_cast<int>(text.size()), traditional.data(), units);
    // Mapped as UTF-16 and only then encoded, so a character code page 936 lacks becomes its default character
    // instead of cutting the text short.
    const LCID chinesePrc = MAKELCID(MAKELANGID(LANG_CHINESE, SUBLANG_CHINESE_SIMPLIFIED), SORT_DEFAULT);
    std::wstring simplified(traditional.size(), L'\0');
    const int mapped = LCMapStringW(chinesePrc, LCMAP_SIMPLIFIED_CHINESE, traditional.data(), units,
                                    simplified.data(), units);
    if (mapped <= 0) return {};
    simplified.resize(static_cast<std::size_t>(mapped));
    return Cp936_FromWide(simplified);
}
