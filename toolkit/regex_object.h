// Regular expressions through the scripting engine "VBScript.RegExp" (ECMAScript-style patterns, lazy
// quantifiers). One object holds one engine, the matches of its last search and a copy of the text searched.
// Match and submatch indexes are 1-based; positions are 0-based byte offsets into the searched text, -2 when
// unknown. Every failure gives an empty text, 0 or false; nothing throws.
#pragma once

#include "toolkit/regex_object_com.h"
#include "toolkit/text.h"

#include <cstddef>
#include <optional>
#include <string_view>
#include <vector>

// Creating an object initialises COM for the current thread (single-threaded apartment); destroying it releases
// the engine and the matches and then ends that initialisation, if it succeeded, on the same thread. An object
// stays on the thread that created it, so it can be neither copied nor moved.
class RegexObject {
public:
    RegexObject() noexcept;
    ~RegexObject();
    RegexObject(const RegexObject&) = delete;
    RegexObject& operator=(const RegexObject&) = delete;

private:
    friend bool Regex_Search(RegexObject&, std::string_view, std::string_view, std::optional<bool>,
                             std::optional<bool>, std::optional<bool>) noexcept;
    friend Text Regex_GetPattern(const RegexObject&) noexcept;
    friend Text Regex_Replace(const RegexObject&, std::string_view) noexcept;
    friend int Regex_MatchCount(const RegexObject&) noexcept;
    friend Text Regex_MatchText(const RegexObject&, int, int*) noexcept;
    friend Text Regex_SubmatchText(const RegexObject&, int, int, int*) noexcept;
    friend int Regex_SubmatchCount(const RegexObject&) noexcept;

    automation::Object Match(int matchIndex) const noexcept;
    int BytePosition(long characterIndex) const;

    automation::Object engine_;
    automation::Object matches_;
    Text subject_;
    std::size_t subjectUnits_ = 0; // UTF-16 units of the subject as the engine saw it
    mutable std::vector<std::size_t> unitOffsets_; // byte offset of every unit, built when first asked
    bool comInitialised_ = false;
    unsigned long thread_ = 0;
};

// Makes a new engine with the options and pattern and runs it over subject, keeping the matches and a copy of
// subject. Options left out: ignore case, multi-line, global. "." never matches a line feed.
// True when the engine gave a matches collection (possibly of 0 matches); false for an invalid pattern or a
// missing engine, which also drops the matches of any earlier search.
bool Regex_Search(RegexObject& object, std::string_view pattern, std::string_view subject,
                  std::optional<bool> caseSensitive = {}, std::optional<bool> multiLine = {},
                  std::optional<bool> global = {}) noexcept;
Text Regex_GetPattern(const RegexObject& object) noexcept;
// The kept subject with the pattern's matches replaced; replacement may name groups as $1, $2...
Text Regex_Replace(const RegexObject& object, std::string_view replacement) noexcept;
int Regex_MatchCount(const RegexObject& object) noexcept;
// Text of match matchIndex; with position, also its byte offset in the subject.
Text Regex_MatchText(const RegexObject& object, int matchIndex, int* position = nullptr) noexcept;
// Text of group submatchIndex of match matchIndex (empty for a group that took no part); with position, the
// byte offset of the first occurrence of that text at or after the start of the match (-2 for an empty text).
Text Regex_SubmatchText(const RegexObject& object, int matchIndex, int submatchIndex,
                        int* position = nullptr) noexcept;
// Number of groups of the first match; 0 without matches.
int Regex_SubmatchCount(const RegexObject& object) noexcept;
