#include "tests/support/http_server.h"

#include <winsock2.h>
#include <ws2tcpip.h>

#include <algorithm>
#include <cstdlib>

namespace {

bool EqualFolded(std::string_view a, std::string_view b) {
    if (a.size() != b.size()) return false;
    for (std::size_t i = 0; i < a.size(); ++i) {
        auto fold = [](char c) { return (c >= 'A' && c <= 'Z') ? static_cast<char>(c + 32) : c; };
        if (fold(a[i]) != fold(b[i])) return false;
    }
    return true;
}

bool SendAll(SOCKET s, std::string_view data) {
    while (!data.empty()) {
        const int sent = send(s, data.data(), static_cast<int>(data.size()), 0);
        if (sent <= 0) return false;
        data.remove_prefix(static_cast<std::size_t>(sent));
    }
    return true;
}

void Pause(int ms) { ::Sleep(static_cast<DWORD>(ms)); }

} // namespace

std::optional<std::string> RecordedRequest::Header(std::string_view name) const {
    for (const std::string& line : headerLines) {
        const std::size_t colon = line.find(':');
        if (colon == std::string::npos || !EqualFolded(std::string_view(line).substr(0, colon), name)) continue;
        const std::size_t value = line.find_first_not_of(' ', colon + 1);
        return value == std::string::npos ? std::string() : line.substr(value);
    }
    return std::nullopt;
}

int RecordedRequest::HeaderCount(std::string_view name) const {
    int count = 0;
    for (const std::string& line : headerLines) {
        const std::size_t colon = line.find(':');
        if (colon != std::string::npos && EqualFolded(std::string_view(line).substr(0, colon), name)) ++count;
    }
    return count;
}

HttpTestServer::HttpTestServer(unsigned short port) {
    WSADATA wsa;
    winsock_ = WSAStartup(MAKEWORD(2, 2), &wsa) == 0;
    if (!winsock_) return;
    const SOCKET s = socket(AF_INET, SOCK_STREAM, IPPROTO_TCP);
    if (s == INVALID_SOCKET) return;
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    int length = sizeof(address);
    if (bind(s, reinterpret_cast<sockaddr*>(&address), sizeof(address)) != 0 || listen(s, 16) != 0 ||
        getsockname(s, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        closesocket(s);
        return;
    }
    listener_ = s;
    port_ = ntohs(address.sin_port);
    thread_ = std::thread([this] { Serve(); });
}

HttpTestServer::~HttpTestServer() {
    stop_ = true;
    if (thread_.joinable()) thread_.join();
    if (listener_ != kNoSocket) closesocket(static_cast<SOCKET>(listener_));
    if (winsock_) WSACleanup();
}

std::string HttpTestServer::HostAndPort() const { return "127.0.0.1:" + std::to_string(port_); }

void HttpTestServer::Script(const std::string& target, ScriptedResponse response) {
    std::lock_guard lock(mutex_);
    scripts_[target] = std::move(response);
}

std::vector<RecordedRequest> HttpTestServer::Requests() const {
    std::lock_guard lock(mutex_);
    return requests_;
}

void HttpTestServer::Serve() {
    const SOCKET listener = static_cast<SOCKET>(listener_);
    while (!stop_) {
        fd_set ready;
        FD_ZERO(&ready);
        FD_SET(listener, &ready);
        timeval wait{0, 50000};
        if (select(0, &ready, nullptr, nullptr, &wait) <= 0) continue;
        const SOCKET client = accept(listener, nullptr, nullptr);
        if (client == INVALID_SOCKET) continue;
        Handle(client);
    }
}

void HttpTestServer::Handle(std::uintptr_t socketValue) {
    const SOCKET client = static_cast<SOCKET>(socketValue);
    const DWORD timeoutMs = 5000;
    setsockopt(client, SOL_SOCKET, SO_RCVTIMEO, reinterpret_cast<const char*>(&timeoutMs), sizeof(timeoutMs));
    std::string received;
    char buffer[4096];
    std::size_t headEnd;
    while ((headEnd = received.find("\r\n\r\n")) == std::string::npos) {
        const int n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0) {
            closesocket(client);
            return;
        }
        received.append(buffer, static_cast<std::size_t>(n));
    }
    RecordedRequest request;
    const std::string head = received.substr(0, headEnd);
    std::size_t lineStart = 0;
    for (bool first = true; lineStart <= head.size(); first = false) {
        std::size_t lineEnd = head.find("\r\n", lineStart);
        if (lineEnd == std::string::npos) lineEnd = head.size();
        const std::string line = head.substr(lineStart, lineEnd - lineStart);
        lineStart = lineEnd + 2;
        if (first) {
            const std::size_t space1 = line.find(' ');
            const std::size_t space2 = line.find(' ', space1 + 1);
            request.method = line.substr(0, space1);
            request.target = line.substr(space1 + 1, space2 - space1 - 1);
        } else {
            request.headerLines.push_back(line);
        }
    }
    const std::size_t length = std::strtoul(request.Header("Content-Length").value_or("0").c_str(), nullptr, 10);
    request.body = received.substr(headEnd + 4);
    while (request.body.size() < length) {
        const int n = recv(client, buffer, sizeof(buffer), 0);
        if (n <= 0) break;
        request.body.append(buffer, static_cast<std::size_t>(n));
    }

    ScriptedResponse response;
    response.body = "ok";
    {
        std::lock_guard lock(mutex_);
        requests_.push_back(request);
        if (const auto it = scripts_.find(request.target); it != scripts_.end()) response = it->second;
    }
    std::string out = "HTTP/1.1 " + std::to_string(response.status) + " " + response.reason + "\r\n";
    for (const std::string& line : response.headerLines) out += line + "\r\n";
    out += "Content-Length: " + std::to_string(response.body.size()) + "\r\nConnection: close\r\n\r\n";
    const std::size_t bodyBytes = response.resetAfter ? std::min(*response.resetAfter, response.body.size())
                                                      : response.body.size();
    if (response.chunkSize == 0 || response.chunkDelayMs == 0) {
        SendAll(client, out + response.body.substr(0, bodyBytes));
    } else {
        SendAll(client, out);
        for (std::size_t at = 0; at < bodyBytes && !stop_; at += response.chunkSize) {
            Pause(response.chunkDelayMs);
            if (!SendAll(client, std::string_view(response.body).substr(at, std::min(response.chunkSize,
                                                                                      bodyBytes - at))))
                break;
        }
    }
    if (response.resetAfter) {
        Pause(300);
        const linger abort{1, 0};
        setsockopt(client, SOL_SOCKET, SO_LINGER, reinterpret_cast<const char*>(&abort), sizeof(abort));
    } else {
        shutdown(client, SD_SEND);
        // Waits for the client to close, so that the response is never cut off by an early close.
        while (recv(client, buffer, sizeof(buffer), 0) > 0) {
        }
    }
    closesocket(client);
}
