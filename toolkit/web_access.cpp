#include "toolkit/web_access.h"

#include "toolkit/codepage.h"
#include "toolkit/ui_notice.h"
#include "toolkit/url.h"

#include <windows.h>
#include <wininet.h>

#include <utility>

namespace {

constexpr wchar_t kUserAgent[] = L"Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)";
constexpr char kAcceptLine[] =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
constexpr char kLanguageLine[] = "Accept-Language: zh-cn\r\n";
constexpr char kFormTypeLine[] = "Content-Type: application/x-www-form-urlencoded\r\n";
constexpr char kMethodError[] = "【网页_访问】命令的第二个【访问方式】参数有误,请返回修改";
constexpr char kFullWidthSpace[] = "\xA1\xA1";
constexpr std::string_view kSetCookie = "Set-Cookie: ";
constexpr DWORD kChunk = 1024;

// One WinInet handle with one owner that closes it.
class InternetHandle {
public:
    explicit InternetHandle(HINTERNET handle = nullptr) : handle_(handle) {}
    InternetHandle(const InternetHandle&) = delete;
    InternetHandle& operator=(const InternetHandle&) = delete;
    ~InternetHandle() { reset(); }
    HINTERNET get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }
    void reset() {
        if (handle_) InternetCloseHandle(std::exchange(handle_, nullptr));
    }

private:
    HINTERNET handle_;
};

// Length of the space (single-byte or full-width) at pos, 0 when another character starts there.
std::size_t SpaceAt(std::string_view text, std::size_t pos) {
    if (text[pos] == ' ') return 1;
    if (text.substr(pos, 2) == kFullWidthSpace) return 2;
    return 0;
}

std::size_t CharacterLength(std::string_view text, std::size_t pos) {
    return static_cast<unsigned char>(text[pos]) >= 0x80 && pos + 1 < text.size() ? 2 : 1;
}

// Removes leading and trailing spaces of both kinds, walking whole characters so that the trail byte of one
// character and the lead byte of the next are never taken for a full-width space.
Text TrimSpaces(std::string_view text) {
    std::size_t begin = 0;
    while (begin < text.size()) {
        const std::size_t space = SpaceAt(text, begin);
        if (space == 0) break;
        begin += space;
    }
    std::size_t end = begin;
    for (std::size_t pos = begin; pos < text.size();) {
        const std::size_t space = SpaceAt(text, pos);
        pos += space ? space : CharacterLength(text, pos);
        if (space == 0) end = pos;
    }
    return Text(text.substr(begin, end - begin));
}

bool OnlySpaces(std::string_view text) {
    for (std::size_t pos = 0; pos < text.size();) {
        const std::size_t space = SpaceAt(text, pos);
        if (space == 0) return false;
        pos += space;
    }
    return true;
}

bool Contains(std::string_view text, std::string_view what) { return Text_Find(text, what, false) != 0; }

// Lets the calling thread's windows go on working during a download. A quit request is left in the queue for
// the caller's own message loop.
void ProcessPendingMessages(bool& quitSeen) {
    MSG message;
    while (!quitSeen && PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (message.message == WM_QUIT) {
            quitSeen = true;
            PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}

Bytes ReadBody(HINTERNET request) {
    Bytes body;
    bool quitSeen = false;
    unsigned char chunk[kChunk];
    for (;;) {
        ProcessPendingMessages(quitSeen);
        DWORD delivered = 0;
        const bool read = InternetReadFile(request, chunk, kChunk, &delivered);
        if (delivered > kChunk) delivered = 0;
        body.insert(body.end(), chunk, chunk + delivered);
        if (!read || delivered == 0) break;
    }
    return body;
}

// The raw response headers, however long they are; empty when they cannot be read.
Text RawResponseHeaders(HINTERNET request) {
    DWORD size = 0;
    HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, nullptr, &size, nullptr);
    for (int attempt = 0; attempt < 2 && size > 0; ++attempt) {
        std::wstring buffer(size / sizeof(wchar_t) + 1, L'\0');
        DWORD bytes = static_cast<DWORD>(buffer.size() * sizeof(wchar_t));
        if (HttpQueryInfoW(request, HTTP_QUERY_RAW_HEADERS_CRLF, buffer.data(), &bytes, nullptr)) {
            buffer.resize(bytes / sizeof(wchar_t));
            return Cp936_FromWide(std::wstring_view(buffer.c_str()));
        }
        if (GetLastError() != ERROR_INSUFFICIENT_BUFFER) break;
        size = bytes;
    }
    return {};
}

// Stores every Set-Cookie line of the response for the host: the name before the first "=", the value with its
// attributes after it. Only lines whose header name is Set-Cookie count, so a cookie quoted inside another
// header's value is never stored.
void StoreCookies(std::string_view responseHeaders, const Text& host) {
    if (!Contains(responseHeaders, kSetCookie)) return;
    const std::wstring site = Cp936_ToWide("http://" + host);
    std::size_t start = 0;
    while (start < responseHeaders.size()) {
        std::size_t end = responseHeaders.find('\n', start);
        if (end == std::string_view::npos) end = responseHeaders.size();
        std::string_view line = responseHeaders.substr(start, end - start);
        start = end + 1;
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        if (line.size() < kSetCookie.size() || Text_Find(line.substr(0, kSetCookie.size()), kSetCookie, false) != 1)
            continue;
        const std::string_view rest = line.substr(kSetCookie.size());
        const std::size_t equals = rest.find('=');
        const std::string_view name = equals == std::string_view::npos ? std::string_view() : rest.substr(0, equals);
        const std::string_view value = equals == std::string_view::npos ? rest : rest.substr(equals + 1);
        InternetSetCookieW(site.c_str(), Cp936_ToWide(name).c_str(), Cp936_ToWide(value).c_str());
    }
}

Bytes AsBytes(const Text& text) { return Bytes(text.begin(), text.end()); }

Bytes Convert(Bytes body, std::optional<int> conversion) {
    if (conversion != 1 && conversion != 2) return body;
    const std::string_view text(reinterpret_cast<const char*>(body.data()), body.size());
    return AsBytes(conversion == 1 ? Text_Utf8ToLocal(text) : Text_TraditionalToSimplified(text));
}

Bytes Fetch(const Text& address, const wchar_t* method, std::string_view proxy, Text& headerBlock,
            std::string_view data, std::string_view cookies, Text& responseHeaders) {
    const Text host = Url_GetHost(address);
    const Text path = Url_GetPath(address);
    const int port = Url_GetPort(address);
    if (port < 0 || port > 65535) return {};
    const bool secure = address.starts_with("https://");

    const std::wstring proxyName = Cp936_ToWide("http=" + Text(proxy));
    const bool direct = OnlySpaces(proxy);
    InternetHandle internet(InternetOpenW(kUserAgent, direct ? INTERNET_OPEN_TYPE_DIRECT : INTERNET_OPEN_TYPE_PROXY,
                                          direct ? nullptr : proxyName.c_str(), direct ? nullptr : L"", 0));
    if (!internet) return {};
    InternetHandle connection(InternetConnectW(internet.get(), Cp936_ToWide(host).c_str(),
                                               static_cast<INTERNET_PORT>(port), nullptr, nullptr,
                                               INTERNET_SERVICE_HTTP, 0, 0));
    if (!connection) return {};
    const DWORD flags = INTERNET_FLAG_RELOAD | (secure ? INTERNET_FLAG_SECURE : 0);
    InternetHandle request(HttpOpenRequestW(connection.get(), method, Cp936_ToWide(path).c_str(), L"HTTP/1.1",
                                            nullptr, nullptr, flags, 0));
    if (!request) return {};

    if (!Contains(headerBlock, "Accept: ")) headerBlock += kAcceptLine;
    if (!Contains(headerBlock, "Referer: ")) headerBlock += "Referer: " + address + "\r\n";
    if (!Contains(headerBlock, "Accept-Language: ")) headerBlock += kLanguageLine;
    const bool post = method[0] == L'P';
    if (post && !data.empty()) {
        headerBlock += kFormTypeLine;
        headerBlock += "Content-Length: " + std::to_string(data.size()) + "\r\n";
    }
    if (!cookies.empty()) headerBlock += "Cookie: " + Text(cookies) + "\r\n\r\n";

    const std::wstring wideHeaders = Cp936_ToWide(headerBlock);
    // A failed send leaves nothing to read; the read below then ends at once.
    HttpSendRequestW(request.get(), wideHeaders.c_str(), static_cast<DWORD>(wideHeaders.size()),
                     post && !data.empty() ? const_cast<char*>(data.data()) : nullptr,
                     post ? static_cast<DWORD>(data.size()) : 0);
    Bytes body = ReadBody(request.get());
    responseHeaders = RawResponseHeaders(request.get());
    request.reset();
    connection.reset();
    internet.reset();
    StoreCookies(responseHeaders, host);
    return body;
}

} // namespace

Bytes 网页_访问(Text& address, std::optional<int> method, std::string_view proxy, Text* headers,
                std::string_view data, std::string_view cookies, std::optional<int> conversion,
                Text* responseHeaders) {
    try {
        address = TrimSpaces(address);
        const int methodNumber = method.value_or(0);
        if (methodNumber != 0 && methodNumber != 1) {
            Ui_Notice(kMethodError);
            return {};
        }
        if (!address.starts_with("http://") && !address.starts_with("https://")) address = "http://" + address;
        Text headerBlock = headers ? *headers : Text();
        Text rawHeaders;
        Bytes body = Fetch(address, methodNumber == 1 ? L"POST" : L"GET", proxy, headerBlock, data, cookies,
                           rawHeaders);
        if (headers) *headers = headerBlock;
        if (responseHeaders) *responseHeaders = rawHeaders;
        return Convert(std::move(body), conversion);
    } catch (...) {
        return {};
    }
}
