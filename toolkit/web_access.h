// Fetching one web page over WinInet, and the two conversions of a fetched page's text.
#pragma once

#include "toolkit/text.h"

#include <optional>
#include <string_view>

// Fetches the page at address and returns its body; every failure gives the empty byte set.
// address: trimmed of single-byte and full-width spaces and given "http://" when it has no scheme, in place.
// method: omitted or 0 = GET, 1 = POST; any other value shows a notice and sends nothing.
// proxy: "host:port" of an HTTP proxy; empty or only spaces = direct.
// headers: extra request lines, each ending in CR LF; on return the complete header block that was sent.
// data: the POST body. cookies: the value of a Cookie line to send.
// conversion: omitted or 0 = body as received, 1 = Text_Utf8ToLocal, 2 = Text_TraditionalToSimplified.
// responseHeaders: receives the raw response headers, lines separated by CR LF.
// Set-Cookie lines of the response are stored in the system's cookie store for the host.
Bytes 网页_访问(Text& address, std::optional<int> method = std::nullopt, std::string_view proxy = {},
                Text* headers = nullptr, std::string_view data = {}, std::string_view cookies = {},
                std::optional<int> conversion = std::nullopt, Text* responseHeaders = nullptr);

// UTF-8 text (up to its first NUL) in code page 936; characters the code page lacks become its default character.
Text Text_Utf8ToLocal(std::string_view text);
// Code page 950 (Big5) text (up to its first NUL) as simplified Chinese in code page 936; empty when the system
// cannot map to simplified Chinese.
Text Text_TraditionalToSimplified(std::string_view text);
