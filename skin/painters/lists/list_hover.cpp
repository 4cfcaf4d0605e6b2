// Hover looks of list controls. The window record keeps one hover owner for all painters: hoverItem is the entry
// position under the mouse, hoverPainted the one last drawn hovered and hoverKind the painter that drew it, so two
// controls of different painters with the same position are still told apart.
#include "skin/core/skin_registry.h"
#include "skin/draw/geometry.h"
#include "skin/painters/lists/list_painter.h"
#include "skin/painters/lists/list_parts.h"

void List_TrackMouseMove(HWND window) {
    ListTarget target = List_Target(window);
    if (!target) return;
    ListEntry& entry = *target.entry;
    WindowSkinRecord& record = *target.record;
    if (entry.mouseTracked == 0) {
        Window_TrackMouse(window, TME_HOVER | TME_LEAVE);
    }
    record.hoverItem = target.entryPosition;
    if (record.hoverItem >= 1 && (record.hoverItem != record.hoverPainted || record.hoverKind != kListHoverKind)) {
        entry.hovered = 1;
        record.hoverKind = kListHoverKind;
        List_DrawFrame(target.recordPosition, target.entryPosition, 1);
        record.hoverPainted = record.hoverItem;
    }
}

void List_MouseLeft(HWND window) {
    ListTarget target = List_Target(window);
    if (!target) return;
    target.entry->mouseTracked = 0;
    target.record->hoverPainted = 0;
    target.entry->hovered = 0;
    List_DrawFrame(target.recordPosition, target.entryPosition, 0);
}
