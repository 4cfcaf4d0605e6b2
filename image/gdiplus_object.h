// The common ground of the image toolkit: the status of the last GDI+ call, the owner every GDI+ object lives
// in, GDI+ memory, identifiers as registry texts and the small value records the drawing calls take.
// Every operation reports failure by its result (false, 0, an empty text or byte set) and leaves the GDI+ status
// in lastStatus; nothing throws. The objects are used on the user-interface thread only.
#pragma once

#include <windows.h>
#include <objidl.h>
#include <gdiplus.h>

#include <cstddef>
#include <string_view>
#include <utility>

#include "toolkit/text.h"

using Argb = Gdiplus::ARGB;

// Status of the most recent GDI+ call made by the toolkit (0 is Ok); overwritten by every call.
extern int lastStatus;

// Stores status in lastStatus; true when it is Ok.
bool GdiPlus_Record(Gdiplus::GpStatus status);

void* GdiPlus_Alloc(std::size_t size);
void GdiPlus_Free(void* block);

// Identifiers in registry form: "{XXXXXXXX-XXXX-XXXX-XXXX-XXXXXXXXXXXX}", upper-case hexadecimal digits.
Text Guid_ToText(const GUID& guid);
// Reads either case; false for anything that is not exactly one identifier in registry form.
bool Guid_FromText(std::string_view text, GUID& guid);

struct FloatPoint {
    float x = 0, y = 0;
};

struct FloatRect {
    float x = 0, y = 0, width = 0, height = 0;
};

// Owns one GDI+ object and releases it with Release (the class's delete or dispose function). An object has a
// single owner: it can be moved, never copied; a copy of the GDI+ object is made by the class's clone operation.
// The owner must be gone before GDI+ is shut down.
template <typename Handle, auto Release>
class GdiPlusObject {
public:
    GdiPlusObject() = default;
    GdiPlusObject(const GdiPlusObject&) = delete;
    GdiPlusObject& operator=(const GdiPlusObject&) = delete;
    GdiPlusObject(GdiPlusObject&& other) noexcept : handle_(std::exchange(other.handle_, nullptr)) {}
    GdiPlusObject& operator=(GdiPlusObject&& other) noexcept {
        if (this != &other) reset(std::exchange(other.handle_, nullptr));
        return *this;
    }
    ~GdiPlusObject() { Delete(); }

    // The GDI+ handle; null when there is none.
    Handle get() const { return handle_; }
    explicit operator bool() const { return handle_ != nullptr; }

    // Releases the GDI+ object: false without calling GDI+ when there is none, else true when GDI+ reports Ok.
    // The handle is null afterwards either way.
    bool Delete() {
        if (!handle_) return false;
        return GdiPlus_Record(Release(std::exchange(handle_, nullptr)));
    }
    // Takes ownership of handle, releasing the object held before.
    void reset(Handle handle = nullptr) {
        if (handle_ == handle) return;
        Delete();
        handle_ = handle;
    }
    // Gives up ownership without releasing.
    Handle release() { return std::exchange(handle_, nullptr); }

private:
    Handle handle_ = nullptr;
};

// Replaces what object holds with the object made by create(Handle*); true when that call reported Ok. The object
// held before is released first, so a failed creation leaves the owner empty.
template <typename Object, typename Create>
bool GdiPlus_Make(Object& object, Create create) {
    object.reset();
    decltype(object.get()) made = nullptr;
    if (!GdiPlus_Record(create(&made))) return false;
    object.reset(made);
    return true;
}
