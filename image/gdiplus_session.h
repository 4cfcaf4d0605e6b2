// GDI+ started for the span of one owner: started by the constructor, shut down by the destructor.
// Every toolkit object must be gone before its session ends.
#pragma once

#include <cstdint>

class GdiPlusSession {
public:
    GdiPlusSession();
    ~GdiPlusSession();
    GdiPlusSession(const GdiPlusSession&) = delete;
    GdiPlusSession& operator=(const GdiPlusSession&) = delete;

    // True when GDI+ started.
    bool ok() const { return token_ != 0; }

private:
    std::uintptr_t token_ = 0;
};
