// Dressing a label: its entry in the owning window's record, its options and its subclassing.
#include "skin/core/control_registration.h"
#include "skin/draw/text_effects.h"
#include "skin/painters/basic/label_painter.h"

namespace {

constexpr int kDefaultFontSize = 12;
constexpr int kAlignCentre = 1;

}  // namespace

int Skin_DressLabel(HWND label, std::optional<Text> fontName, std::optional<int> fontSize,
                    std::optional<int> fontStyle, std::optional<COLORREF> textColour,
                    std::optional<COLORREF> glowColour, std::optional<int> alignment,
                    std::optional<int> lineAlignment, std::optional<bool> wrap) {
    if (!label || !IsWindow(label) || Skin_FindWindowRecord(label) > 0) return 0;
    const int n = Skin_FindOwnerRecord(label);
    WindowSkinRecord* record = Skin_RecordAt(n);
    if (!record) return 0;

    std::vector<LabelEntry>& labels = record->labels;
    // A label dressed again keeps its entry; a second entry would leave the first one stale.
    int position = Skin_FindEntry(labels, label);
    if (!position) {
        if (!labels.empty() && !labels.front().control) labels.clear();  // the placeholder goes with the first label
        labels.emplace_back();
        position = static_cast<int>(labels.size());
    }
    LabelEntry& entry = labels[position - 1];
    entry.control = label;
    entry.textColour = static_cast<int>(textColour.value_or(0));
    entry.hasGlow = glowColour ? 1 : 0;
    entry.glowColour = glowColour ? static_cast<int>(*glowColour) : -1;
    entry.alignment = alignment.value_or(0);
    entry.lineAlignment = lineAlignment.value_or(kAlignCentre);
    entry.wrap = wrap.value_or(false) ? 1 : 0;
    entry.fontName = fontName.value_or(kDefaultTextFace);
    entry.fontSize = fontSize.value_or(kDefaultFontSize);
    entry.fontStyle = fontStyle.value_or(0);
    entry.dirty = 1;

    Skin_Subclass(label, Label_WindowProc);
    Prop_SetInt(label, SkinProp::kOwnerId, n);
    Prop_SetInt(label, SkinProp::kListId, position);
    return 1;
}
