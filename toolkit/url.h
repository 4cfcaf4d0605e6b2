// Pieces of a page address: host, object path and port, the way the page fetcher connects.
#pragma once

#include "toolkit/text.h"

#include <string_view>

// The host name in lower case: schemes removed, then everything from the first "/" and then from the first ":"
// cut off.
Text Url_GetHost(std::string_view address);
// The object path with its query, from the first "/" after the host; "/" when the address has none.
Text Url_GetPath(std::string_view address);
// The port the address names after the host and a colon (0 when that text is empty or not a number, or larger
// than a port can be); 80 when it names none, 443 for an "https://" address.
int Url_GetPort(std::string_view address);
