#include "toolkit/regex_object_com.h"

#include <objbase.h>
#include <oleauto.h>

#include <climits>
#include <utility>

namespace automation {

Object& Object::operator=(Object&& other) noexcept {
    if (this != &other) {
        Reset();
        p_ = std::exchange(other.p_, nullptr);
    }
    return *this;
}

void Object::Reset() noexcept {
    if (p_ != nullptr) std::exchange(p_, nullptr)->Release();
}

Variant::Variant(Variant&& other) noexcept : v_(other.v_) { VariantInit(&other.v_); }

Variant& Variant::operator=(Variant&& other) noexcept {
    if (this != &other) {
        VariantClear(&v_);
        v_ = other.v_;
        VariantInit(&other.v_);
    }
    return *this;
}

VARIANT* Variant::Out() noexcept {
    VariantClear(&v_);
    return &v_;
}

bool Variant::SetString(std::wstring_view text) noexcept {
    VariantClear(&v_);
    if (text.size() > static_cast<std::size_t>(UINT_MAX / sizeof(wchar_t))) return false;
    BSTR s = SysAllocStringLen(text.data(), static_cast<UINT>(text.size()));
    if (s == nullptr) return false;
    v_.vt = VT_BSTR;
    v_.bstrVal = s;
    return true;
}

void Variant::SetBool(bool value) noexcept {
    VariantClear(&v_);
    v_.vt = VT_BOOL;
    v_.boolVal = value ? VARIANT_TRUE : VARIANT_FALSE;
}

void Variant::SetLong(long value) noexcept {
    VariantClear(&v_);
    v_.vt = VT_I4;
    v_.lVal = value;
}

long Variant::ToLong() const noexcept {
    VARIANT n;
    VariantInit(&n);
    if (FAILED(VariantChangeType(&n, const_cast<VARIANT*>(&v_), 0, VT_I4))) return 0;
    return n.lVal;
}

std::wstring Variant::ToWide() const {
    VARIANT s;
    VariantInit(&s);
    if (v_.vt == VT_EMPTY || v_.vt == VT_NULL) return {};
    if (FAILED(VariantChangeType(&s, const_cast<VARIANT*>(&v_), 0, VT_BSTR))) return {};
    std::wstring out;
    try {
        if (s.bstrVal != nullptr) out.assign(s.bstrVal, SysStringLen(s.bstrVal));
    } catch (...) {
        VariantClear(&s);
        throw;
    }
    VariantClear(&s);
    return out;
}

Object Variant::TakeObject() noexcept {
    if (v_.vt != VT_DISPATCH || v_.pdispVal == nullptr) return {};
    Object taken(v_.pdispVal);
    VariantInit(&v_); // the reference moved to taken
    return taken;
}

Object Create(const wchar_t* progId) noexcept {
    CLSID clsid;
    if (FAILED(CLSIDFromProgID(progId, &clsid))) return {};
    IDispatch* object = nullptr;
    if (FAILED(CoCreateInstance(clsid, nullptr, CLSCTX_INPROC_SERVER, IID_IDispatch,
                                reinterpret_cast<void**>(&object))))
        return {};
    return Object(object);
}

namespace {

// Invokes name with args in declared order; IDispatch wants them last to first.
HRESULT Invoke(IDispatch* object, const wchar_t* name, WORD flags, std::initializer_list<VARIANT*> args,
               VARIANT* result, DISPID* named) noexcept {
    if (object == nullptr) return E_POINTER;
    DISPID id = DISPID_UNKNOWN;
    LPOLESTR names[] = {const_cast<LPOLESTR>(name)};
    HRESULT hr = object->GetIDsOfNames(IID_NULL, names, 1, LOCALE_USER_DEFAULT, &id);
    if (FAILED(hr)) return hr;
    VARIANT reversed[4];
    if (args.size() > 4) return E_INVALIDARG;
    UINT count = 0;
    for (auto it = args.end(); it != args.begin();) reversed[count++] = **--it; // shallow: args stay owned
    DISPPARAMS params{reversed, named, count, named != nullptr ? 1u : 0u};
    EXCEPINFO error{};
    hr = object->Invoke(id, IID_NULL, LOCALE_USER_DEFAULT, flags, &params, result, &error, nullptr);
    SysFreeString(error.bstrSource);
    SysFreeString(error.bstrDescription);
    SysFreeString(error.bstrHelpFile);
    return hr;
}

} // namespace

Variant Get(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT*> args) noexcept {
    Variant result;
    if (FAILED(Invoke(object, name, DISPATCH_PROPERTYGET | DISPATCH_METHOD, args, result.Out(), nullptr)))
        return {};
    return result;
}

Variant Call(IDispatch* object, const wchar_t* name, std::initializer_list<VARIANT*> args) noexcept {
    Variant result;
    if (FAILED(Invoke(object, name, DISPATCH_METHOD, args, result.Out(), nullptr))) return {};
    return result;
}

bool Put(IDispatch* object, const wchar_t* name, VARIANT& value) noexcept {
    DISPID named = DISPID_PROPERTYPUT;
    return SUCCEEDED(Invoke(object, name, DISPATCH_PROPERTYPUT, {&value}, nullptr, &named));
}

} // namespace automation
