// Small helpers for tests that drive windows.
#pragma once

#include <windows.h>

#include <functional>

// Pumps this thread's messages until done() holds or timeoutMs passes; returns done().
bool PumpUntil(const std::function<bool()>& done, DWORD timeoutMs = 5000);
// Pumps messages for about ms milliseconds.
void PumpFor(DWORD ms);
