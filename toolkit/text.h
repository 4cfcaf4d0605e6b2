// Texts and byte sets, the value types every part of the program passes around.
// A Text holds code page 936 bytes; an empty Text is also the "missing" text.
// Positions are 1-based byte positions; a double-byte character counts two.
#pragma once

#include <cstddef>
#include <initializer_list>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

using Text = std::string;
using Bytes = std::vector<unsigned char>;
using ByteView = std::span<const unsigned char>;

// Rewrites text by up to five (old, new) pairs, each pass seeing the output of the one before.
// count: omitted = every occurrence; start: omitted or 0 = 1; caseSensitive: omitted = false (ASCII folding only).
Text Text_Replace(std::string_view text, std::optional<int> count, std::optional<int> start,
                  std::optional<bool> caseSensitive, std::string_view old1, std::string_view new1,
                  std::string_view old2 = {}, std::string_view new2 = {}, std::string_view old3 = {},
                  std::string_view new3 = {}, std::string_view old4 = {}, std::string_view new4 = {},
                  std::string_view old5 = {}, std::string_view new5 = {});

// One replacement pass, the building block of Text_Replace.
Text Text_ReplacePass(std::string_view s, std::string_view oldText, std::string_view newText, int start,
                      std::optional<int> count, bool caseSensitive);

// 1-based byte position of the first occurrence of what at or after start, matching only at character
// boundaries; 0 when absent or what is empty.
std::size_t Text_Find(std::string_view text, std::string_view what, bool caseSensitive = true, std::size_t start = 1);

Text Text_Concat(std::initializer_list<std::string_view> parts);
int Text_Compare(std::string_view a, std::string_view b);
// Bytes before the first NUL; 0 for a missing (null) text.
std::size_t Text_Length(const char* t);
std::size_t Text_Length(const Text& t);
Bytes Bytes_Concat(std::initializer_list<ByteView> parts);

// A byte set taken as text ends at its first zero byte.
Text Bytes_ToText(ByteView bytes);
