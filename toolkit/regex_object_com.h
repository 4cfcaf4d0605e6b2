// Late-bound calls on automation objects, for the regular-expression object: one owner for every interface
// pointer and every VARIANT, and no call that fails raises anything; it gives an empty value.
#pragma once

#include <oaidl.h>
#include <windows.h>

#include <initializer_list>
#include <string>
#include <string_view>

namespace automation {

// Owns one reference to an IDispatch; releases it when reset or destroyed. Move-only.
class Object {
public:
    Object() noexcept = default;
    explicit Object(IDispatch* adopted) noexcept : p_(adopted) {}
    Object(Object&& other) noexcept : p_(other.p_) { other.p_ = nullptr; }
    Object& operator=(Object&& other) noexcept;
    Object(const Object&) = delete;
    Object& operator=(const Object&) = delete;
    ~Object() { Reset(); }

    void Reset() noexcept;
    IDispatch* Get() const noexcept { return p_; }
    explicit operator bool() const noexcept { return p_ != nullptr; }

private:
    IDispatch* p_ = nullptr;
};

// Owns one VARIANT and whatever it holds (strings, interface references). Move-only.
class Variant {
public:
    Variant() noexcept { VariantInit(&v_); }
    Variant(Variant&& other) noexcept;
    Variant& operator=(Variant&& other) noexcept;
    Variant(const Variant&) = delete;
    Variant& operator=(const Variant&) = delete;
    ~Variant() { VariantClear(&v_); }

    // A string variant; false when no string could be allocated (the variant then stays empty).
    bool SetString(std::wstring_view text) noexcept;
    void SetBool(bool value) noexcept;
    void SetLong(long value) noexcept;

    VARIANT* Out() noexcept;
    VARIANT& Raw() noexcept { return v_; }
    bool IsEmpty() const noexcept { return v_.vt == VT_EMPTY; }

    // The value as an integer; 0 when it is empty or does not convert.
    long ToLong() const noexcept;
    bool ToBool() const noexcept { return ToLong() != 0; }
    // The value as a string; empty when it is empty or does not convert.
    std::wstring ToWide() const;
    // Takes the object the variant holds; empty when it holds none.
    Object TakeObject() noexcept;

private:
    VARIANT v_;
};

// Creates an in-process object from its ProgID; empty on failure.
Object Create(const wchar_t* progId) noexcept;

// Reads a property, calling it with args where it takes parameters (collection "Item"). Empty on failure.
Variant Get(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT*> args = {}) noexcept;
// Calls a method with args in their declared order. Empty on failure.
Variant Call(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT*> args) noexcept;
// Sets a property; false on failure.
bool Put(IDispatch* object, const wchar_t* name, VARIANT& value) noexcept;

} // namespace automation
