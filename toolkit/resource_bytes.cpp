#include "toolkit/resource_bytes.h"

#include <windows.h>

ByteView Resource_Bytes(const wchar_t* name) {
    const HMODULE module = GetModuleHandleW(nullptr);
    HRSRC found = FindResourceW(module, name, MAKEINTRESOURCEW(10));  // RT_RCDATA
    if (!found) return {};
    HGLOBAL loaded = LoadResource(module, found);
    const void* bytes = loaded ? LockResource(loaded) : nullptr;
    if (!bytes) return {};
    return ByteView(static_cast<const unsigned char*>(bytes), SizeofResource(module, found));
}
