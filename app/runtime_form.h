// Forms as data: what the run time needs to create a window and its controls.
#pragma once

#include <windows.h>

#include <optional>
#include <vector>

enum class ControlKind { Label, Edit, Button };

struct FontForm {
    int height;         // character height in pixels (a LOGFONT height)
    int weight;         // FW_*
    BYTE charset;       // *_CHARSET
    const char* face;   // CP936 face name; empty = none given
};

struct ControlForm {
    const char* name; // CP936 form name
    ControlKind kind;
    int x, y, width, height; // client coordinates of the window
    const char* text;        // CP936
    DWORD style;             // added to WS_CHILD | WS_VISIBLE
    DWORD exStyle;
    std::optional<FontForm> font; // none: the run time's default control font
    void (*clicked)();            // "clicked" event, or null
};

struct WindowForm {
    const char* name;
    const char* caption;
    int x, y, width, height; // screen coordinates, whole window
    DWORD style;
    DWORD exStyle;
    void (*created)(); // "created" event, or null; runs when the window and its controls exist
    std::vector<ControlForm> controls; // creation order = tab order
};
