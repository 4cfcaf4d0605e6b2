#include "toolkit/regex_object.h"

#include <objbase.h>

#include <gtest/gtest.h>

#include <climits>
#include <thread>
#include <type_traits>

namespace {

// The expressions the extraction job runs over mirror pages.
constexpr const char* kDetailPattern = "http://www.shellshare.mirror.example/detail.htm?(.*?)\">";
constexpr const char* kListPattern = "var ed(.*?)_links = '(.*?)';";

struct SearchCase {
    const char* what;
    const char* pattern;
    const char* subject;
    std::optional<bool> caseSensitive, multiLine, global;
    int count;
    const char* first; // text of match 1
};

const SearchCase kSearchCases[] = {
    {"letter case is ignored by default", "ABC", "xabcx", {}, {}, {}, 1, "abc"},
    {"case-sensitive on request", "ABC", "abc", true, {}, {}, 0, ""},
    {"case-insensitive on request", "ABC", "abc", false, {}, {}, 1, "abc"},
    {"every match by default", "a\\d", "a1 a2 a3", {}, {}, {}, 3, "a1"},
    {"first match only without global", "a\\d", "a1 a2 a3", {}, {}, false, 1, "a1"},
    {"dot stops at a line feed", "x(.*)", "x12\ny", {}, {}, {}, 1, "x12"},
    {"lazy quantifier", "<(.*?)>", "<a><b>", {}, {}, {}, 2, "<a>"},
    {"^ matches after a line break by default", "^b", "a\nb", {}, {}, {}, 1, "b"},
    {"^ matches only at the start without multi-line", "^b", "a\nb", {}, false, {}, 0, ""},
    {"code page 936 pattern and subject", "\xb1\xb4+", "\xca\xb0\xb1\xb4\xb1\xb4!", {}, {}, {}, 1, "\xb1\xb4\xb1\xb4"},
    {"no match", "z", "abc", {}, {}, {}, 0, ""},
};

TEST(Regex, SearchOptions) {
    for (const SearchCase& c : kSearchCases) {
        RegexObject re;
        EXPECT_TRUE(Regex_Search(re, c.pattern, c.subject, c.caseSensitive, c.multiLine, c.global)) << c.what;
        EXPECT_EQ(Regex_MatchCount(re), c.count) << c.what;
        EXPECT_EQ(Regex_MatchText(re, 1), c.first) << c.what;
        EXPECT_EQ(Regex_GetPattern(re), c.pattern) << c.what;
    }
}

TEST(Regex, DetailLinksOfATopicPage) {
    const char* page = "<li><a href=\"http://www.shellshare.mirror.example/detail.htm?id=1\">\xca\xb0\xb1\xb4</a>\n"
                       "<li><a href=\"http://www.shellshare.mirror.example/detail.htm?id=22\">x</a>\n";
    RegexObject re;
    ASSERT_TRUE(Regex_Search(re, kDetailPattern, page));
    ASSERT_EQ(Regex_MatchCount(re), 2);
    EXPECT_EQ(Regex_MatchText(re, 1), "http://www.shellshare.mirror.example/detail.htm?id=1\">");
    EXPECT_EQ(Regex_MatchText(re, 2), "http://www.shellshare.mirror.example/detail.htm?id=22\">");
    EXPECT_EQ(Regex_SubmatchText(re, 2, 1), "?id=22"); // the "?" of the pattern only makes the m optional
}

TEST(Regex, LinkListOfADetailPage) {
    const char* page = "<script>\nvar ed2k_links = 'ed2k://|file|\xca\xb0\xb1\xb4.mkv|42|AB|/';\n"
                       "var ed3_links = 'second';\n</script>";
    RegexObject re;
    ASSERT_TRUE(Regex_Search(re, kListPattern, page));
    EXPECT_EQ(Regex_MatchCount(re), 2);
    EXPECT_EQ(Regex_SubmatchCount(re), 2);
    EXPECT_EQ(Regex_SubmatchText(re, 1, 2), "ed2k://|file|\xca\xb0\xb1\xb4.mkv|42|AB|/");
    EXPECT_EQ(Regex_SubmatchText(re, 1, 1), "2k");
    EXPECT_EQ(Regex_SubmatchText(re, 2, 2), "second");

    // A list broken over two lines is no match: "." never crosses the line feed.
    ASSERT_TRUE(Regex_Search(re, kListPattern, "var ed2k_links = 'a\nb';"));
    EXPECT_EQ(Regex_MatchCount(re), 0);
    EXPECT_EQ(Regex_SubmatchCount(re), 0);
    EXPECT_EQ(Regex_SubmatchText(re, 1, 2), "");
}

TEST(Regex, IndexesOutsideTheMatchesGiveEmptyTexts) {
    RegexObject re;
    ASSERT_TRUE(Regex_Search(re, "(a)(b)?", "a-a"));
    ASSERT_EQ(Regex_MatchCount(re), 2);
    for (int i : {0, -1, 3, INT_MIN, INT_MAX}) {
        int position = 7;
        EXPECT_EQ(Regex_MatchText(re, i, &position), "") << i;
        EXPECT_EQ(position, -2) << i;
        EXPECT_EQ(Regex_SubmatchText(re, i, 1), "") << i;
    }
    for (int s : {0, -1, 3, INT_MIN}) EXPECT_EQ(Regex_SubmatchText(re, 1, s), "") << s;
    int position = 7;
    EXPECT_EQ(Regex_SubmatchText(re, 1, 2, &position), "") << "a group that took no part";
    EXPECT_EQ(position, -2);
}

TEST(Regex, FailedSearchLeavesNothingBehind) {
    RegexObject fresh;
    EXPECT_EQ(Regex_MatchCount(fresh), 0);
    EXPECT_EQ(Regex_SubmatchCount(fresh), 0);
    EXPECT_EQ(Regex_MatchText(fresh, 1), "");
    EXPECT_EQ(Regex_GetPattern(fresh), "");
    EXPECT_EQ(Regex_Replace(fresh, "x"), "");

    RegexObject re;
    ASSERT_TRUE(Regex_Search(re, "(a)", "aaa"));
    ASSERT_EQ(Regex_MatchCount(re), 3);
    EXPECT_FALSE(Regex_Search(re, "a(", "a(a("));
    EXPECT_EQ(Regex_MatchCount(re), 0);
    EXPECT_EQ(Regex_SubmatchCount(re), 0);
    EXPECT_EQ(Regex_MatchText(re, 1), "");
    EXPECT_EQ(Regex_SubmatchText(re, 1, 1), "");
}

struct PositionCase {
    const char* what;
    const char* pattern;
    const char* subject;
    int match, submatch; // submatch 0: the match itself
    const char* text;
    int position;
};

// 拾 is CA B0: every one of them takes two bytes but one character.
const PositionCase kPositionCases[] = {
    {"ASCII subject", "b", "aab", 1, 0, "b", 2},
    {"after double-byte characters", "a", "\xca\xb0\xca\xb0\xca\xb0" "a", 1, 0, "a", 6},
    {"a later match with the same text", "a", "\xca\xb0\xca\xb0\xca\xb0" "a\xca\xb0" "a", 2, 0, "a", 9},
    {"a group of a later match", "(\xca\xb0)(a)", "\xca\xb0\xca\xb0\xca\xb0" "a\xca\xb0" "a", 2, 2, "a", 9},
    {"a group found by its own letter case", "(a)(a)", "xAa", 1, 2, "a", 2},
    {"a double-byte group", "a(\xca\xb0)", "\xca\xb0" "a\xca\xb0", 1, 1, "\xca\xb0", 3},
};

TEST(Regex, BytePositions) {
    for (const PositionCase& c : kPositionCases) {
        RegexObject re;
        ASSERT_TRUE(Regex_Search(re, c.pattern, c.subject)) << c.what;
        int position = -1;
        const Text text = c.submatch == 0 ? Regex_MatchText(re, c.match, &position)
                                          : Regex_SubmatchText(re, c.match, c.submatch, &position);
        EXPECT_EQ(text, c.text) << c.what;
        EXPECT_EQ(position, c.position) << c.what;
    }
}

TEST(Regex, ReplaceOverTheSearchedText) {
    RegexObject re;
    ASSERT_TRUE(Regex_Search(re, "(\\w+)@(\\w+)", "a@b c@d"));
    EXPECT_EQ(Regex_Replace(re, "$2@$1"), "b@a d@c");
    ASSERT_TRUE(Regex_Search(re, "(\\w+)@(\\w+)", "a@b c@d", {}, {}, false));
    EXPECT_EQ(Regex_Replace(re, "$2@$1"), "b@a c@d");
    ASSERT_TRUE(Regex_Search(re, "\xb1\xb4", "\xca\xb0\xb1\xb4"));
    EXPECT_EQ(Regex_Replace(re, "\xca\xb0"), "\xca\xb0\xca\xb0");
}

static_assert(!std::is_copy_constructible_v<RegexObject> && !std::is_copy_assignable_v<RegexObject>);

// The result of initialising the thread once more for the multi-threaded apartment: S_OK when nothing is left
// initialised, S_FALSE while a multi-threaded initialisation is in force, RPC_E_CHANGED_MODE while a
// single-threaded one is. The probe undoes itself.
HRESULT ProbeApartment() {
    const HRESULT hr = CoInitializeEx(nullptr, COINIT_MULTITHREADED);
    if (SUCCEEDED(hr)) CoUninitialize();
    return hr;
}

TEST(RegexLifetime, TwoObjectsEndBothInitialisationsOfTheirThread) {
    HRESULT during = S_OK, after = E_FAIL;
    std::thread([&] {
        {
            RegexObject topic, detail;
            Regex_Search(topic, "a", "a");
            Regex_Search(detail, "b", "b");
            during = ProbeApartment();
        }
        after = ProbeApartment();
    }).join();
    EXPECT_EQ(during, RPC_E_CHANGED_MODE);
    EXPECT_EQ(after, S_OK);
}

TEST(RegexLifetime, AThreadInitialisedByItsOwnerKeepsItsInitialisation) {
    HRESULT after = E_FAIL;
    bool found = false;
    std::thread([&] {
        if (FAILED(CoInitializeEx(nullptr, COINIT_MULTITHREADED))) return;
        {
            RegexObject re;
            found = Regex_Search(re, "a", "a") && Regex_MatchCount(re) == 1;
        }
        after = ProbeApartment();
        CoUninitialize();
    }).join();
    EXPECT_TRUE(found);
    EXPECT_EQ(after, S_FALSE);
}

} // namespace
