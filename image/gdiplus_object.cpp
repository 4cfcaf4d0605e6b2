#include "image/gdiplus_object.h"

#include <cstdio>

int lastStatus = 0;

bool GdiPlus_Record(Gdiplus::GpStatus status) {
    lastStatus = static_cast<int>(status);
    return status == Gdiplus::Ok;
}

void* GdiPlus_Alloc(std::size_t size) { return Gdiplus::DllExports::GdipAlloc(size); }

void GdiPlus_Free(void* block) {
    if (block) Gdiplus::DllExports::GdipFree(block);
}

Text Guid_ToText(const GUID& g) {
    char buffer[40];
    std::snprintf(buffer, sizeof buffer, "{%08lX-%04X-%04X-%02X%02X-%02X%02X%02X%02X%02X%02X}",
                  static_cast<unsigned long>(g.Data1), g.Data2, g.Data3, g.Data4[0], g.Data4[1], g.Data4[2],
                  g.Data4[3], g.Data4[4], g.Data4[5], g.Data4[6], g.Data4[7]);
    return buffer;
}

namespace {

int HexDigit(char c) {
    if (c >= '0' && c <= '9') return c - '0';
    if (c >= 'A' && c <= 'F') return c - 'A' + 10;
    if (c >= 'a' && c <= 'f') return c - 'a' + 10;
    return -1;
}

} // namespace

bool Guid_FromText(std::string_view text, GUID& guid) {
    // 32 digits in groups of 8, 4, 4, 4 and 12 between braces.
    static constexpr std::string_view shape = "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}";
    if (text.size() != shape.size()) return false;
    unsigned char bytes[16] = {};
    int nibble = 0;
    for (std::size_t i = 0; i < shape.size(); ++i) {
        if (shape[i] != 'X') {
            if (text[i] != shape[i]) return false;
            continue;
        }
        int digit = HexDigit(text[i]);
        if (digit < 0) return false;
        bytes[nibble / 2] = static_cast<unsigned char>(bytes[nibble / 2] << 4 | digit);
        ++nibble;
    }
    guid.Data1 = static_cast<unsigned long>(bytes[0]) << 24 | bytes[1] << 16 | bytes[2] << 8 | bytes[3];
    guid.Data2 = static_cast<unsigned short>(bytes[4] << 8 | bytes[5]);
    guid.Data3 = static_cast<unsigned short>(bytes[6] << 8 | bytes[7]);
    for (int i = 0; i < 8; ++i) guid.Data4[i] = bytes[8 + i];
    return true;
}
