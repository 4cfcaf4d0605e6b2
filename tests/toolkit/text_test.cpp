#include "toolkit/text.h"

#include <gtest/gtest.h>

namespace {

struct ReplaceCase {
    const char* what;
    std::string_view text;
    std::optional<int> count;
    std::optional<int> start;
    std::optional<bool> caseSensitive;
    std::string_view old1, new1, old2, new2;
    std::string_view expected;
};

// "拾贝" in code page 936 is CA B0 B1 B4; 0x81 0x41 is a double-byte character whose trail byte is 'A'.
const ReplaceCase kReplaceCases[] = {
    {"every occurrence, any case, by default", "xAxaXa", {}, {}, {}, "a", "b", {}, {}, "xbxbXb"},
    {"case-sensitive matches exact bytes only", "Ab ab AB", {}, {}, true, "ab", "X", {}, {}, "Ab X AB"},
    {"count 1 replaces the first occurrence", "a-a-a", 1, {}, {}, "a", "b", {}, {}, "b-a-a"},
    {"count applies to each pair separately", "aaa", 1, {}, {}, "a", "b", "a", "c", "bca"},
    {"count 0 changes nothing", "a-a", 0, {}, {}, "a", "b", {}, {}, "a-a"},
    {"negative count replaces all", "a-a-a", -1, {}, {}, "a", "b", {}, {}, "b-b-b"},
    {"start 5 leaves the first four bytes", "abcdabcd", {}, 5, {}, "ab", "X", {}, {}, "abcdXcd"},
    {"start 5 never matches an occurrence that begins before it", "aaaaaa", {}, 5, {}, "aa", "X", {}, {}, "aaaaX"},
    {"start 0 means 1", "ab", {}, 0, {}, "a", "X", {}, {}, "Xb"},
    {"negative start counts as 1", "ab", {}, -3, {}, "a", "X", {}, {}, "Xb"},
    {"start past the end changes nothing", "ab", {}, 3, {}, "b", "X", {}, {}, "ab"},
    {"omitted new deletes", "x\">y\">", {}, {}, {}, "\">", {}, {}, {}, "xy"},
    {"later pairs see earlier output", "a-a", {}, {}, {}, "a", "b", "b", "c", "c-c"},
    {"trail byte + lead byte is never found", "\xca\xb0\xb1\xb4", {}, {}, {}, "\xb0\xb1", "X", {}, {}, "\xca\xb0\xb1\xb4"},
    {"whole double-byte characters are found", "\xca\xb0\xb1\xb4", {}, {}, {}, "\xb1\xb4", "X", {}, {}, "\xca\xb0X"},
    {"a trail byte that looks like ASCII is skipped", "\x81\x41" "A", {}, {}, true, "A", "b", {}, {}, "\x81\x41" "b"},
    {"only ASCII letters fold", "\xca\xb0\xea\xb0", {}, {}, {}, "\xca\xb0", "X", {}, {}, "X\xea\xb0"},
    {"a lone lead byte at the end is kept", "ab\xca", {}, {}, {}, "b", "X", {}, {}, "aX\xca"},
    {"old longer than the text", "ab", {}, {}, {}, "abc", "X", {}, {}, "ab"},
    {"empty text stays empty", "", {}, {}, {}, "a", "b", {}, {}, ""},
    {"empty old changes nothing", "ab", {}, {}, {}, "", "X", {}, {}, "ab"},
    {"source label to mirror label", "http://www.ShellShare.example/t/shellshare", {}, {}, {}, "shellshare",
     "shellshare.mirror", {}, {}, "http://www.shellshare.mirror.example/t/shellshare.mirror"},
};

TEST(TextReplace, Cases) {
    for (const ReplaceCase& c : kReplaceCases) {
        EXPECT_EQ(Text_Replace(c.text, c.count, c.start, c.caseSensitive, c.old1, c.new1, c.old2, c.new2), c.expected)
            << c.what;
    }
}

TEST(TextReplace, AllFivePairsRunInOrder) {
    EXPECT_EQ(Text_Replace("1", {}, {}, {}, "1", "2", "2", "3", "3", "4", "4", "5", "5", "6"), "6");
    EXPECT_EQ(Text_Replace("12345", {}, {}, {}, "5", "", "4", "", "3", "", "2", "", "1", ""), "");
}

TEST(TextReplace, InsertedTextIsNotRescannedWithinAPass) {
    EXPECT_EQ(Text_Replace("aa", {}, {}, {}, "a", "aa"), "aaaa");
}

TEST(TextHelpers, FindMatchesWholeCharactersOnly) {
    EXPECT_EQ(Text_Find("www.shellshare.example", "shellshare"), 5u);
    EXPECT_EQ(Text_Find("www.ShellShare.example", "shellshare"), 0u) << "exact case by default";
    EXPECT_EQ(Text_Find("www.ShellShare.example", "shellshare", false), 5u);
    EXPECT_EQ(Text_Find("\xca\xb0\xb1\xb4", "\xb0\xb1"), 0u);
    EXPECT_EQ(Text_Find("\x81\x41" "A", "A"), 3u);
    EXPECT_EQ(Text_Find("abab", "ab", true, 2), 3u);
    EXPECT_EQ(Text_Find("abc", ""), 0u);
}

TEST(TextHelpers, Compare) {
    struct {
        std::string_view a, b;
        int expected;
    } cases[] = {
        {{}, "", 0},         {"", "a", -1},     {"a", "", 1},      {"ab", "abc", -1},
        {"b", "abc", 1},     {"\x80", "a", 1},  {"abc", "abc", 0}, {"\xca\xb0", "\xca\xb1", -1},
    };
    for (const auto& c : cases) EXPECT_EQ(Text_Compare(c.a, c.b), c.expected) << c.a << " vs " << c.b;
}

TEST(TextHelpers, ConcatAndLength) {
    EXPECT_EQ(Text_Concat({{}, {}, {}}), "");
    EXPECT_EQ(Text_Concat({"\xca\xb0", {}, "x"}), "\xca\xb0x");
    EXPECT_EQ(Text_Length(static_cast<const char*>(nullptr)), 0u);
    EXPECT_EQ(Text_Length(Text("ab\0cd", 5)), 2u);
    EXPECT_EQ(Text_Length("\xca\xb0\xb1\xb4"), 4u);
}

TEST(TextHelpers, BytesConcatAndText) {
    const Bytes a{1, 2}, b{}, c{0, 3};
    EXPECT_TRUE(Bytes_Concat({b, b}).empty());
    EXPECT_EQ(Bytes_Concat({a, b, c}), (Bytes{1, 2, 0, 3}));
    EXPECT_EQ(Bytes_ToText(Bytes{'h', 'i', 0, 'x'}), "hi");
}

} // namespace
