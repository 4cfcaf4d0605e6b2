#include "toolkit/text.h"

#include <algorithm>
#include <cstring>

namespace {

unsigned char FoldAscii(unsigned char c) { return (c >= 'A' && c <= 'Z') ? static_cast<unsigned char>(c + 32) : c; }

bool MatchesAt(std::string_view s, std::size_t pos, std::string_view pattern, bool caseSensitive) {
    if (caseSensitive) return s.compare(pos, pattern.size(), pattern) == 0;
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        if (FoldAscii(static_cast<unsigned char>(s[pos + i])) != FoldAscii(static_cast<unsigned char>(pattern[i])))
            return false;
    }
    return true;
}

} // namespace

Text Text_ReplacePass(std::string_view s, std::string_view oldText, std::string_view newText, int start,
                      std::optional<int> count, bool caseSensitive) {
    if (start < 1) start = 1;
    const std::size_t skip = static_cast<std::size_t>(start) - 1;
    if (s.empty() || oldText.empty() || skip >= s.size() || (count && *count == 0)) return Text(s);

    Text out;
    out.reserve(s.size());
    out.append(s.substr(0, skip));
    std::size_t pos = skip;
    int replaced = 0;
    while (s.size() - pos >= oldText.size()) {
        if (MatchesAt(s, pos, oldText, caseSensitive)) {
            out.append(newText);
            pos += oldText.size();
            ++replaced;
            if (count && *count > 0 && replaced == *count) break;
        } else {
            // Step over one whole character so a match never starts at a trail byte.
            std::size_t width = static_cast<unsigned char>(s[pos]) >= 0x80 ? 2 : 1;
            width = std::min(width, s.size() - pos);
            out.append(s.substr(pos, width));
            pos += width;
        }
    }
    out.append(s.substr(pos));
    return out;
}

Text Text_Replace(std::string_view text, std::optional<int> count, std::optional<int> start,
                  std::optional<bool> caseSensitive, std::string_view old1, std::string_view new1,
                  std::string_view old2, std::string_view new2, std::string_view old3, std::string_view new3,
                  std::string_view old4, std::string_view new4, std::string_view old5, std::string_view new5) {
    const int from = start.value_or(0) == 0 ? 1 : *start;
    const bool exact = caseSensitive.value_or(false);
    const std::string_view pairs[5][2] = {{old1, new1}, {old2, new2}, {old3, new3}, {old4, new4}, {old5, new5}};
    Text r(text);
    for (const auto& pair : pairs) r = Text_ReplacePass(r, pair[0], pair[1], from, count, exact);
    return r;
}

std::size_t Text_Find(std::string_view text, std::string_view what, bool caseSensitive, std::size_t start) {
    if (what.empty()) return 0;
    std::size_t pos = 0;
    // Walk whole characters from the beginning so that start never lands inside one.
    while (pos < text.size() && pos + 1 < start) pos += static_cast<unsigned char>(text[pos]) >= 0x80 ? 2 : 1;
    while (pos < text.size() && text.size() - pos >= what.size()) {
        if (MatchesAt(text, pos, what, caseSensitive)) return pos + 1;
        pos += static_cast<unsigned char>(text[pos]) >= 0x80 ? 2 : 1;
    }
    return 0;
}

Text Text_Concat(std::initializer_list<std::string_view> parts) {
    std::size_t total = 0;
    for (auto p : parts) total += p.size();
    Text out;
    out.reserve(total);
    for (auto p : parts) out.append(p);
    return out;
}

int Text_Compare(std::string_view a, std::string_view b) {
    const std::size_t n = std::min(a.size(), b.size());
    const int c = n ? std::memcmp(a.data(), b.data(), n) : 0; // memcmp compares as unsigned char
    if (c != 0) return c < 0 ? -1 : 1;
    if (a.size() == b.size()) return 0;
    return a.size() < b.size() ? -1 : 1;
}

std::size_t Text_Length(const char* t) { return t ? std::strlen(t) : 0; }
std::size_t Text_Length(const Text& t) { return std::strlen(t.c_str()); }

Bytes Bytes_Concat(std::initializer_list<ByteView> parts) {
    Bytes out;
    std::size_t total = 0;
    for (auto p : parts) total += p.size();
    out.reserve(total);
    for (auto p : parts) out.insert(out.end(), p.begin(), p.end());
    return out;
}

Text Bytes_ToText(ByteView bytes) {
    auto end = std::find(bytes.begin(), bytes.end(), 0);
    return Text(bytes.begin(), end);
}
