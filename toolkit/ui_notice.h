// The notice box the toolkit shows a user, and the list of visible top-level windows behind its owner.
#pragma once

#include "toolkit/text.h"

#include <windows.h>

#include <cstdint>
#include <optional>
#include <vector>

struct WindowListEntry {
    HWND window = nullptr;
    std::uint32_t processId = 0;
    std::uint32_t threadId = 0;
    Text title;     // at most 255 bytes
    Text className; // at most 49 bytes
};

// Shows a message box and returns the pressed button's identifier minus 1 (OK gives 0).
// flags: omitted = MB_ICONINFORMATION; caption: omitted = "友情提醒"; owner: omitted = the first visible top-level
// window of this process.
int Ui_Notice(const Text& text, std::optional<UINT> flags = std::nullopt, std::optional<Text> caption = std::nullopt,
              std::optional<HWND> owner = std::nullopt);

// Replaces list with one entry per visible top-level window, top of the Z order first; returns the count.
int Window_ListVisible(std::vector<WindowListEntry>& list);
// The first listed visible top-level window of the process, or nullptr.
HWND Window_FindOfProcess(std::uint32_t processId);
