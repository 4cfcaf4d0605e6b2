#include "toolkit/web_access.h"

#include "tests/support/http_server.h"
#include "tests/support/wait.h"
#include "toolkit/codepage.h"
#include "toolkit/ui_notice.h"
#include "toolkit/url.h"

#include <windows.h>
#include <wininet.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <atomic>
#include <thread>

namespace {

const std::string kAccept =
    "Accept: image/gif, image/bmp, image/x-xbitmap, image/jpeg, image/pjpeg, application/x-shockwave-flash, "
    "application/vnd.ms-excel, application/vnd.ms-powerpoint, application/msword, */*\r\n";
const std::string kLanguage = "Accept-Language: zh-cn\r\n";
const std::string kForm = "Content-Type: application/x-www-form-urlencoded\r\n";

std::string AsText(const Bytes& bytes) { return std::string(bytes.begin(), bytes.end()); }

std::string StoredCookies(const wchar_t* site) {
    wchar_t buffer[4096] = {};
    DWORD size = sizeof(buffer) / sizeof(buffer[0]);
    if (!InternetGetCookieW(site, nullptr, buffer, &size)) return {};
    return Cp936_FromWide(buffer);
}

TEST(Url, HostPathAndPort) {
    struct Case {
        const char* address;
        const char* host;
        const char* path;
        int port;
    };
    const Case cases[] = {
        {"http://WWW.Example.COM/a/b?c=1", "www.example.com", "/a/b?c=1", 80},
        {"http://example.com:8080/p", "example.com", "/p", 8080},
        {"example.com:8080", "example.com", "/", 8080},
        {"example.com", "example.com", "/", 80},
        {"http://example.com:/x", "example.com", "/x", 0},
        {"http://example.com:http/x", "example.com", "/x", 0},
        {"http://example.com:99999/x", "example.com", "/x", 0},
        {"HTTP://example.com:81/x", "http", "/x", 81},
        {"https://example.com/s", "example.com", "/s", 443},
        {"https://example.com:8443/s", "example.com", "/s", 8443},
        {"http://example.com/?next=http://other.example/", "example.com", "/?next=http://other.example/", 80},
        // A host that also occurs inside the scheme.
        {"http://t/x", "t", "/x", 80},
        {"http://p:81", "p", "/", 81},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(Url_GetHost(c.address), c.host) << c.address;
        EXPECT_EQ(Url_GetPath(c.address), c.path) << c.address;
        EXPECT_EQ(Url_GetPort(c.address), c.port) << c.address;
    }
}

TEST(WebAccess, AddressIsTrimmedCompletedAndSentAsReferrer) {
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    Text address = "  \xA1\xA1 " + server.HostAndPort() + "/trim?q=1 \xA1\xA1  ";
    EXPECT_EQ(AsText(网页_访问(address)), "ok");
    EXPECT_EQ(address, "http://" + server.HostAndPort() + "/trim?q=1");
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 1u);
    EXPECT_EQ(requests[0].method, "GET");
    EXPECT_EQ(requests[0].target, "/trim?q=1");
    EXPECT_EQ(requests[0].Header("Referer"), address);
    EXPECT_EQ(requests[0].Header("User-Agent"), "Mozilla/4.0 (compatible; MSIE 6.0; Windows NT 5.0)");

    // 啊 (B0 A1) followed by a full-width space: its trail byte and the space's lead byte are no space.
    Text wide = "\xA1\xA1" "127.0.0.1:1/\xB0\xA1\xA1\xA1";
    EXPECT_TRUE(网页_访问(wide).empty());
    EXPECT_EQ(wide, "http://127.0.0.1:1/\xB0\xA1");
}

TEST(WebAccess, HeaderBlockIsCompletedInOrder) {
    struct Case {
        const char* what;
        int method;
        std::string headers, data, cookies;
        std::string block;
    };
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    const std::string base = "http://" + server.HostAndPort() + "/h";
    auto referrer = [&](int i) { return "Referer: " + base + std::to_string(i) + "\r\n"; };
    const Case cases[] = {
        {"defaults", 0, "", "", "", kAccept + referrer(0) + kLanguage},
        {"lower-case accept line", 0, "accept: text/plain\r\nX-A: 1\r\n", "", "",
         "accept: text/plain\r\nX-A: 1\r\n" + referrer(1) + kLanguage},
        {"own referrer and language", 0, "REFERER: http://elsewhere/\r\naccept-language: en\r\n", "", "",
         "REFERER: http://elsewhere/\r\naccept-language: en\r\n" + kAccept},
        {"cookie line ends the block", 0, "", "", "a=1; b=2",
         kAccept + referrer(3) + kLanguage + "Cookie: a=1; b=2\r\n\r\n"},
        {"post with data", 1, "", "x=1&y=%D6", "", kAccept + referrer(4) + kLanguage + kForm + "Content-Length: 9\r\n"},
        {"post without data", 1, "", "", "", kAccept + referrer(5) + kLanguage},
        {"post with data and cookies", 1, "", "k=v", "c=3",
         kAccept + referrer(6) + kLanguage + kForm + "Content-Length: 3\r\nCookie: c=3\r\n\r\n"},
    };
    for (int i = 0; i < static_cast<int>(std::size(cases)); ++i) {
        const Case& c = cases[i];
        Text address = base + std::to_string(i);
        Text headers = c.headers;
        EXPECT_EQ(AsText(网页_访问(address, c.method, {}, &headers, c.data, c.cookies)), "ok") << c.what;
        EXPECT_EQ(headers, c.block) << c.what;
        const auto requests = server.Requests();
        ASSERT_EQ(requests.size(), static_cast<std::size_t>(i + 1)) << c.what;
        const RecordedRequest& r = requests.back();
        EXPECT_EQ(r.method, c.method == 1 ? "POST" : "GET") << c.what;
        EXPECT_EQ(r.body, c.data) << c.what;
        EXPECT_EQ(r.HeaderCount("Accept"), 1) << c.what;
        EXPECT_EQ(r.Header("Content-Type").has_value(), !c.data.empty()) << c.what;
        if (!c.cookies.empty()) {
            EXPECT_EQ(r.Header("Cookie"), c.cookies) << c.what;
        }
    }
    const auto requests = server.Requests();
    EXPECT_EQ(requests[1].Header("Accept"), "text/plain");
    EXPECT_EQ(requests[2].Header("Referer"), "http://elsewhere/");
    EXPECT_EQ(requests[4].Header("Content-Length"), "9");
}

TEST(WebAccess, ConnectsToTheNamedPortOrEighty) {
    HttpTestServer named(8080);
    if (named.Listening()) {
        Text address = "127.0.0.1:8080/p";
        EXPECT_EQ(AsText(网页_访问(address)), "ok");
        ASSERT_EQ(named.Requests().size(), 1u);
        EXPECT_EQ(named.Requests()[0].Header("Host"), "127.0.0.1:8080");
    } else {
        ADD_FAILURE() << "port 8080 is taken";
    }
    HttpTestServer standard(80);
    if (!standard.Listening()) {
        // Without the right to bind port 80 only the address parsing can be checked.
        EXPECT_EQ(Url_GetPort("http://127.0.0.1"), 80);
        GTEST_SKIP() << "cannot bind port 80 here; checked the parsed port only";
    }
    Text address = "127.0.0.1";
    EXPECT_EQ(AsText(网页_访问(address)), "ok");
    ASSERT_EQ(standard.Requests().size(), 1u);
    EXPECT_EQ(standard.Requests()[0].target, "/");
    EXPECT_EQ(standard.Requests()[0].Header("Host"), "127.0.0.1");
}

TEST(WebAccess, ProxyIsAskedForTheWholeAddressAndSpacesMeanDirect) {
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    Text address = "http://proxied.example/x?q=1";
    EXPECT_EQ(AsText(网页_访问(address, std::nullopt, server.HostAndPort())), "ok");
    Text direct = server.HostAndPort() + "/direct";
    EXPECT_EQ(AsText(网页_访问(direct, 0, " \xA1\xA1 ")), "ok");
    const auto requests = server.Requests();
    ASSERT_EQ(requests.size(), 2u);
    // The proxy is asked for the whole address; the port may be spelled out.
    EXPECT_EQ(requests[0].target.rfind("http://proxied.example", 0), 0u) << requests[0].target;
    EXPECT_TRUE(requests[0].target.ends_with("/x?q=1")) << requests[0].target;
    EXPECT_EQ(requests[1].target, "/direct");
}

TEST(WebAccess, WrongMethodShowsTheNoticeAndSendsNothing) {
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    const HWND owner = CreateWindowExW(0, L"STATIC", Cp936_ToWide("拾贝测试").c_str(), WS_POPUP | WS_VISIBLE, 0, 0,
                                       100, 100, nullptr, nullptr, nullptr, nullptr);
    ASSERT_NE(owner, nullptr);
    std::vector<WindowListEntry> list;
    ASSERT_GT(Window_ListVisible(list), 0);
    const auto entry = std::find_if(list.begin(), list.end(), [&](const auto& e) { return e.window == owner; });
    ASSERT_NE(entry, list.end());
    EXPECT_EQ(entry->processId, GetCurrentProcessId());
    EXPECT_EQ(entry->threadId, GetCurrentThreadId());
    EXPECT_EQ(entry->title, "拾贝测试");
    EXPECT_EQ(entry->className, "Static");

    Text address = server.HostAndPort() + "/never";
    std::atomic<bool> done = false;
    Bytes result{1};
    std::thread caller([&] {
        result = 网页_访问(address, 2);
        done = true;
    });
    HWND box = nullptr;
    const std::wstring caption = Cp936_ToWide("友情提醒");
    EXPECT_TRUE(PumpUntil([&] { return (box = FindWindowW(L"#32770", caption.c_str())) != nullptr; }));
    if (box) {
        EXPECT_EQ(GetWindow(box, GW_OWNER), owner);
        wchar_t text[256] = {};
        GetDlgItemTextW(box, 0xFFFF, text, 256);
        EXPECT_EQ(Cp936_FromWide(text), "【网页_访问】命令的第二个【访问方式】参数有误,请返回修改");
        PostMessageW(box, WM_COMMAND, IDOK, 0);
    }
    EXPECT_TRUE(PumpUntil([&] { return done.load(); }));
    caller.join();
    EXPECT_TRUE(result.empty());
    EXPECT_TRUE(server.Requests().empty());
    DestroyWindow(owner);
}

TEST(WebAccess, SetCookieLinesAreStoredAndResponseHeadersReturnedWhole) {
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    ScriptedResponse cookies;
    cookies.body = "ok";
    cookies.headerLines = {"Set-Cookie: plain", "Set-Cookie: a=1; path=/", "set-cookie: b=2",
                           "X-Note: Set-Cookie: z=9"};
    for (int i = 0; i < 40; ++i) cookies.headerLines.push_back("X-Filler-" + std::to_string(i) + ": " + Text(80, 'f'));
    cookies.headerLines.push_back("Set-Cookie: late=yes");
    server.Script("/set", cookies);
    Text address = "localhost:" + std::to_string(server.Port()) + "/set";
    Text responseHeaders;
    EXPECT_EQ(AsText(网页_访问(address, {}, {}, nullptr, {}, {}, {}, &responseHeaders)), "ok");
    EXPECT_EQ(responseHeaders.rfind("HTTP/1.1 200 OK\r\n", 0), 0u);
    EXPECT_GT(responseHeaders.size(), 3900u);
    EXPECT_NE(responseHeaders.find("X-Filler-39: "), Text::npos);
    EXPECT_NE(responseHeaders.find("Set-Cookie: late=yes\r\n"), Text::npos);
    const std::string stored = StoredCookies(L"http://localhost/");
    EXPECT_NE(stored.find("a=1"), std::string::npos) << stored;
    EXPECT_NE(stored.find("b=2"), std::string::npos) << stored;
    EXPECT_NE(stored.find("late=yes"), std::string::npos) << stored;
    EXPECT_EQ(stored.find("z="), std::string::npos) << stored;
}

TEST(WebAccess, ErrorStatusBodyAndBrokenConnections) {
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    ScriptedResponse missing;
    missing.status = 404;
    missing.reason = "Not Found";
    missing.body = "no such page";
    server.Script("/missing", missing);
    std::string pattern;
    for (int i = 0; i < 5000; ++i) pattern += static_cast<char>('a' + i % 26);
    ScriptedResponse reset;
    reset.body = pattern;
    reset.resetAfter = 3000;
    server.Script("/reset", reset);

    Text address = server.HostAndPort() + "/missing";
    Text responseHeaders;
    EXPECT_EQ(AsText(网页_访问(address, {}, {}, nullptr, {}, {}, {}, &responseHeaders)), "no such page");
    EXPECT_EQ(responseHeaders.rfind("HTTP/1.1 404 Not Found\r\n", 0), 0u);

    address = server.HostAndPort() + "/reset";
    const std::string cut = AsText(网页_访问(address));
    EXPECT_EQ(cut.size(), 3000u);
    EXPECT_EQ(cut, pattern.substr(0, cut.size()));

    Text refused = "127.0.0.1:1/";
    responseHeaders = "stale";
    EXPECT_TRUE(网页_访问(refused, {}, {}, nullptr, {}, {}, {}, &responseHeaders).empty());
    EXPECT_EQ(responseHeaders.find("HTTP/"), Text::npos) << responseHeaders;
    EXPECT_NE(responseHeaders, "stale");
}

std::atomic<int> timerTicks = 0;

LRESULT CALLBACK CountTicks(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_TIMER) ++timerTicks;
    return DefWindowProcW(window, message, wParam, lParam);
}

TEST(WebAccess, SlowBodyArrivesWholeWhileMessagesAreServed) {
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    std::string body;
    for (int i = 0; i < 6000; ++i) body += static_cast<char>(i % 251);
    ScriptedResponse slow;
    slow.body = body;
    slow.chunkSize = 1000;
    slow.chunkDelayMs = 80;
    server.Script("/slow", slow);
    WNDCLASSW windowClass{};
    windowClass.lpfnWndProc = CountTicks;
    windowClass.lpszClassName = L"ShibeiTickCounter";
    RegisterClassW(&windowClass);
    const HWND window = CreateWindowExW(0, L"ShibeiTickCounter", L"", WS_POPUP, 0, 0, 1, 1, nullptr, nullptr,
                                       nullptr, nullptr);
    ASSERT_NE(window, nullptr);
    SetTimer(window, 1, 20, nullptr);
    Text address = server.HostAndPort() + "/slow";
    EXPECT_EQ(AsText(网页_访问(address)), body);
    KillTimer(window, 1);
    EXPECT_GE(timerTicks.load(), 5);
    DestroyWindow(window);
}

TEST(WebAccess, Utf8Conversion) {
    EXPECT_EQ(Text_Utf8ToLocal("\xE4\xB8\xAD\xE6\x96\x87 a"), "\xD6\xD0\xCE\xC4 a");
    EXPECT_EQ(Text_Utf8ToLocal(std::string_view("A\0B", 3)), "A");
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    ScriptedResponse page;
    page.body = std::string("\xE4\xB8\xAD\xE6\x96\x87\0tail", 11);
    server.Script("/utf8", page);
    Text address = server.HostAndPort() + "/utf8";
    EXPECT_EQ(AsText(网页_访问(address, {}, {}, nullptr, {}, {}, 1)), "\xD6\xD0\xCE\xC4");
    EXPECT_EQ(AsText(网页_访问(address, {}, {}, nullptr, {}, {}, 0)), page.body);
}

TEST(WebAccess, TraditionalConversion) {
    // Big5 中華 is A4 A4 B5 D8; simplified 中华 in code page 936 is D6 D0 BB AA, traditional 華 there is C8 41.
    HttpTestServer server;
    ASSERT_TRUE(server.Listening());
    ScriptedResponse page;
    page.body = "\xA4\xA4\xB5\xD8 ok";
    server.Script("/big5", page);
    Text address = server.HostAndPort() + "/big5";
    const std::string fetched = AsText(网页_访问(address, {}, {}, nullptr, {}, {}, 2));
    EXPECT_EQ(fetched, Text_TraditionalToSimplified(page.body));
    if (fetched.empty()) GTEST_SKIP() << "this system cannot map to simplified Chinese (LCMapStringW fails)";
    if (fetched == "\xD6\xD0\xC8\x41 ok")
        GTEST_SKIP() << "this system's LCMAP_SIMPLIFIED_CHINESE leaves traditional characters unchanged";
    EXPECT_EQ(fetched, "\xD6\xD0\xBB\xAA ok");
}

} // namespace
