#include "toolkit/url_decode.h"

#include <gtest/gtest.h>

#include <string>

namespace {

struct DecodeCase {
    const char* what;
    std::string_view input;
    std::string_view expected; // code page 936 bytes
};

// 中 is E4 B8 AD in UTF-8 and D6 D0 in code page 936; 文 is E6 96 87 and CE C4.
const DecodeCase kCases[] = {
    {"upper-case escapes", "%E4%B8%AD%E6%96%87", "\xd6\xd0\xce\xc4"},
    {"lower-case and mixed-case escapes", "%e4%b8%ad%E6%96%87", "\xd6\xd0\xce\xc4"},
    {"escapes and raw UTF-8 bytes form one character", "%E4\xb8%AD", "\xd6\xd0"},
    {"ASCII without escapes is unchanged", "var ed2k_links = 'a+b&amp;c';", "var ed2k_links = 'a+b&amp;c';"},
    {"plus stays a plus", "a+b%2Bc", "a+b+c"},
    {"missing second digit counts 0", "a%2", "a "},
    {"a non-digit counts -2", "%4G|%4g|%4-", ">|>|>"},
    {"two non-digits give the invalid byte DE", "a%ZZb", "a?b"},
    {"%00 adds nothing", "a%00b", "ab"},
    {"a trailing percent sign adds nothing", "ab%", "ab"},
    {"a lone percent sign", "%", ""},
    {"percent sign and one digit at the end", "%4", "@"},
    {"a percent sign as a digit starts no escape", "%4%41", ">41"},
    {"code page 936 bytes are not UTF-8", "\xd6\xd0", "??"},
    {"a cut-off sequence", "a%E4%B8", "a?"},
    {"a letter and a combining mark become one character", "e%CC%81", "\xa8\xa6"},
    {"a character code page 936 lacks", "%E0%B8%81", "?"},
    {"the text ends at its first NUL", std::string_view("a\0%41", 5), "a"},
    {"empty", "", ""},
};

TEST(DecodeUrlUtf8, Cases) {
    for (const DecodeCase& c : kCases) {
        EXPECT_EQ(Text_DecodeUrlUtf8(c.input), c.expected) << c.what;
    }
}

TEST(DecodeUrlUtf8, LargePageDecodesWhole) {
    std::string page;
    for (int i = 0; i < 200000; ++i) page += "%E4%B8%AD";
    const Text out = Text_DecodeUrlUtf8(page);
    ASSERT_EQ(out.size(), 400000u);
    EXPECT_EQ(out.find_first_not_of("\xd6\xd0"), Text::npos);
}

} // namespace
