#include "toolkit/url.h"

namespace {

bool StartsWithFolded(std::string_view text, std::string_view prefix) {
    if (text.size() < prefix.size()) return false;
    for (std::size_t i = 0; i < prefix.size(); ++i) {
        char c = text[i];
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
        if (c != prefix[i]) return false;
    }
    return true;
}

// Bytes the scheme takes at the front of the address, 0 without one.
std::size_t SchemeLength(std::string_view address) {
    if (StartsWithFolded(address, "http://")) return 7;
    if (StartsWithFolded(address, "https://")) return 8;
    return 0;
}

} // namespace

Text Url_GetHost(std::string_view address) {
    Text host = Text_ReplacePass(address, "https://", "", 1, std::nullopt, true);
    host = Text_ReplacePass(host, "http://", "", 1, std::nullopt, true);
    host = host.substr(0, host.find('/'));
    host = host.substr(0, host.find(':'));
    for (char& c : host) {
        if (c >= 'A' && c <= 'Z') c = static_cast<char>(c + 32);
    }
    return host;
}

Text Url_GetPath(std::string_view address) {
    // The host is looked for after the scheme, so that a host such as "t" or "p" is not found inside "http://".
    const std::size_t scheme = SchemeLength(address);
    const std::size_t at = Text_Find(address, Url_GetHost(address), false, scheme + 1);
    const std::size_t from = at > 0 ? at - 1 : scheme;
    const std::size_t slash = address.find('/', from);
    if (slash == std::string_view::npos) return "/";
    return Text(address.substr(slash));
}

int Url_GetPort(std::string_view address) {
    const std::size_t scheme = SchemeLength(address);
    std::string_view hostPart = address.substr(scheme);
    hostPart = hostPart.substr(0, hostPart.find('/'));
    const std::size_t colon = hostPart.find(':');
    if (colon == std::string_view::npos) return scheme == 8 ? 443 : 80;
    int port = 0;
    for (std::size_t i = colon + 1; i < hostPart.size() && hostPart[i] >= '0' && hostPart[i] <= '9'; ++i) {
        port = port * 10 + (hostPart[i] - '0');
        if (port > 65535) return 0;
    }
    return port;
}
