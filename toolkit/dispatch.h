// Window procedures as dispatch tables: one route per message to a named handler; the rest passes on.
#pragma once

#include <windows.h>

#include <span>

struct MessageRoute {
    UINT message;
    LRESULT (*handler)(HWND window, WPARAM wParam, LPARAM lParam);
};

// Runs the handler routed for message, or fallback for any other message. No exception leaves a window
// procedure: a handler that throws answers 0.
template <typename Fallback>
LRESULT Dispatch(std::span<const MessageRoute> routes, HWND window, UINT message, WPARAM wParam, LPARAM lParam,
                 Fallback&& fallback) noexcept {
    try {
        for (const MessageRoute& route : routes) {
            if (route.message == message) return route.handler(window, wParam, lParam);
        }
        return fallback(window, message, wParam, lParam);
    } catch (...) {
        return 0;
    }
}
