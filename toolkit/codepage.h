// Conversions at the boundary with Windows: texts are code page 936 inside, UTF-16 for the wide API.
#pragma once

#include <string>
#include <string_view>

std::wstring Cp936_ToWide(std::string_view text);
std::string Cp936_FromWide(std::wstring_view text);
std::wstring Utf8_ToWide(std::string_view text);
std::string Utf8_FromWide(std::wstring_view text);
