// A small HTTP server for tests: one Winsock thread on 127.0.0.1 that records every request and answers each with
// a scripted response, one connection at a time, closing the connection after each response.
#pragma once

#include <atomic>
#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <mutex>
#include <optional>
#include <string>
#include <string_view>
#include <thread>
#include <vector>

struct RecordedRequest {
    std::string method;
    std::string target;
    std::vector<std::string> headerLines; // as received, without CR LF
    std::string body;

    // Value of the first header of that name (any letter case), without the spaces after the colon.
    std::optional<std::string> Header(std::string_view name) const;
    int HeaderCount(std::string_view name) const;
};

struct ScriptedResponse {
    int status = 200;
    std::string reason = "OK";
    std::vector<std::string> headerLines; // "Name: value" without CR LF, Set-Cookie lines included
    std::string body;
    // A slow body: sent in pieces of chunkSize bytes with chunkDelayMs between them.
    std::size_t chunkSize = 0;
    int chunkDelayMs = 0;
    // Sends this many body bytes (Content-Length still announces the whole body), waits, then resets the
    // connection.
    std::optional<std::size_t> resetAfter;
};

class HttpTestServer {
public:
    // port 0 picks a free port.
    explicit HttpTestServer(unsigned short port = 0);
    ~HttpTestServer();
    HttpTestServer(const HttpTestServer&) = delete;
    HttpTestServer& operator=(const HttpTestServer&) = delete;

    bool Listening() const { return listener_ != kNoSocket; }
    unsigned short Port() const { return port_; }
    // "127.0.0.1:port"
    std::string HostAndPort() const;

    // The response for a target (path with query, or the absolute address a proxy is asked for); other targets get
    // 200 with the body "ok".
    void Script(const std::string& target, ScriptedResponse response);
    std::vector<RecordedRequest> Requests() const;

private:
    static constexpr std::uintptr_t kNoSocket = ~std::uintptr_t{0};
    void Serve();
    void Handle(std::uintptr_t client);

    std::uintptr_t listener_ = kNoSocket;
    unsigned short port_ = 0;
    bool winsock_ = false;
    std::atomic<bool> stop_{false};
    mutable std::mutex mutex_;
    std::map<std::string, ScriptedResponse> scripts_;
    std::vector<RecordedRequest> requests_;
    std::thread thread_;
};
