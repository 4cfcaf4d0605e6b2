#include "toolkit/regex_object.h"

#include "toolkit/codepage.h"

#include <objbase.h>
#include <windows.h>

#include <climits>

using automation::Object;
using automation::Variant;

namespace {

constexpr UINT kChinese = 936;
constexpr int kUnknownPosition = -2;

Text ToText(const Variant& value) { return Cp936_FromWide(value.ToWide()); }

// Byte offset of every UTF-16 unit that the subject converts to, walking it a character at a time the way the
// code page 936 conversion does; one more entry for the end. Empty when the walk does not add up to units.
std::vector<std::size_t> UnitByteOffsets(std::string_view subject, std::size_t units) {
    std::vector<std::size_t> offsets;
    offsets.reserve(units + 1);
    for (std::size_t i = 0; i < subject.size();) {
        const auto lead = static_cast<unsigned char>(subject[i]);
        const std::size_t length = lead >= 0x80 && i + 1 < subject.size() && IsDBCSLeadByteEx(kChinese, lead) ? 2 : 1;
        const int n = lead < 0x80 ? 1 : MultiByteToWideChar(kChinese, 0, subject.data() + i, static_cast<int>(length),
                                                            nullptr, 0);
        for (int k = 0; k < n; ++k) offsets.push_back(i);
        i += length;
    }
    if (offsets.size() != units) return {};
    offsets.push_back(subject.size());
    return offsets;
}

int ClampPosition(std::size_t offset) {
    return offset > static_cast<std::size_t>(INT_MAX) ? kUnknownPosition : static_cast<int>(offset);
}

} // namespace

RegexObject::RegexObject() noexcept
    : comInitialised_(SUCCEEDED(CoInitializeEx(nullptr, COINIT_APARTMENTTHREADED))), thread_(GetCurrentThreadId()) {}

RegexObject::~RegexObject() {
    // Every reference goes before the initialisation that made it possible ends.
    matches_.Reset();
    engine_.Reset();
    if (comInitialised_ && GetCurrentThreadId() == thread_) CoUninitialize();
}

Object RegexObject::Match(int matchIndex) const noexcept {
    if (!matches_ || matchIndex < 1) return {};
    Variant index;
    index.SetLong(matchIndex - 1);
    return automation::Get(matches_.Get(), L"Item", {&index.Raw()}).TakeObject();
}

// The engine reports character indexes; in code page 936 a character takes one or two bytes.
int RegexObject::BytePosition(long characterIndex) const {
    if (unitOffsets_.empty()) unitOffsets_ = UnitByteOffsets(subject_, subjectUnits_);
    if (characterIndex < 0 || static_cast<std::size_t>(characterIndex) >= unitOffsets_.size())
        return kUnknownPosition;
    return ClampPosition(unitOffsets_[static_cast<std::size_t>(characterIndex)]);
}

bool Regex_Search(RegexObject& object, std::string_view pattern, std::string_view subject,
                  std::optional<bool> caseSensitive, std::optional<bool> multiLine,
                  std::optional<bool> global) noexcept {
    try {
        object.matches_.Reset();
        object.engine_ = automation::Create(L"VBScript.RegExp");
        object.subject_.assign(subject);
        object.unitOffsets_.clear();
        const std::wstring wideSubject = Cp936_ToWide(subject);
        object.subjectUnits_ = wideSubject.size();
        IDispatch* engine = object.engine_.Get();
        if (engine == nullptr) return false;

        Variant ignoreCase, lines, all, patternValue, subjectValue;
        ignoreCase.SetBool(!caseSensitive.value_or(false));
        lines.SetBool(multiLine.value_or(true));
        all.SetBool(global.value_or(true));
        if (!patternValue.SetString(Cp936_ToWide(pattern)) || !subjectValue.SetString(wideSubject)) return false;
        if (!automation::Put(engine, L"IgnoreCase", ignoreCase.Raw()) ||
            !automation::Put(engine, L"Multiline", lines.Raw()) || !automation::Put(engine, L"Global", all.Raw()) ||
            !automation::Put(engine, L"Pattern", patternValue.Raw()))
            return false;
        object.matches_ = automation::Call(engine, L"Execute", {&subjectValue.Raw()}).TakeObject();
        return static_cast<bool>(object.matches_);
    } catch (...) {
        object.matches_.Reset();
        return false;
    }
}

Text Regex_GetPattern(const RegexObject& object) noexcept {
    try {
        return ToText(automation::Get(object.engine_.Get(), L"Pattern"));
    } catch (...) {
        return {};
    }
}

Text Regex_Replace(const RegexObject& object, std::string_view replacement) noexcept {
    try {
        if (!object.engine_) return {};
        Variant source, with;
        if (!source.SetString(Cp936_ToWide(object.subject_)) || !with.SetString(Cp936_ToWide(replacement))) return {};
        return ToText(automation::Call(object.engine_.Get(), L"Replace", {&source.Raw(), &with.Raw()}));
    } catch (...) {
        return {};
    }
}

int Regex_MatchCount(const RegexObject& object) noexcept {
    return static_cast<int>(automation::Get(object.matches_.Get(), L"Count").ToLong());
}

Text Regex_MatchText(const RegexObject& object, int matchIndex, int* position) noexcept {
    try {
        if (position != nullptr) *position = kUnknownPosition;
        const Object match = object.Match(matchIndex);
        if (!match) return {};
        Text value = ToText(automation::Get(match.Get(), L"Value"));
        if (position != nullptr)
            *position = object.BytePosition(automation::Get(match.Get(), L"FirstIndex").ToLong());
        return value;
    } catch (...) {
        return {};
    }
}

Text Regex_SubmatchText(const RegexObject& object, int matchIndex, int submatchIndex, int* position) noexcept {
    try {
        if (position != nullptr) *position = kUnknownPosition;
        const Object match = object.Match(matchIndex);
        if (!match || submatchIndex < 1) return {};
        const Object groups = automation::Get(match.Get(), L"SubMatches").TakeObject();
        if (!groups) return {};
        Variant index;
        index.SetLong(submatchIndex - 1);
        Variant item = automation::Get(groups.Get(), L"Item", {&index.Raw()});
        if (item.IsEmpty()) return {};
        Text value = ToText(item);
        if (position != nullptr && !value.empty()) {
            // Groups carry no index of their own: the text is looked up from the start of its match. It is the
            // subject's own bytes, so the search compares them exactly whatever the engine's letter case option.
            const int start = object.BytePosition(automation::Get(match.Get(), L"FirstIndex").ToLong());
            const std::size_t found =
                start < 0 ? 0 : Text_Find(object.subject_, value, true, static_cast<std::size_t>(start) + 1);
            if (found != 0) *position = ClampPosition(found - 1);
        }
        return value;
    } catch (...) {
        return {};
    }
}

int Regex_SubmatchCount(const RegexObject& object) noexcept {
    const Object first = object.Match(1);
    const Object groups = automation::Get(first.Get(), L"SubMatches").TakeObject();
    return static_cast<int>(automation::Get(groups.Get(), L"Count").ToLong());
}
