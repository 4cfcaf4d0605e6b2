// The veiled background behind a control, as a bitmap and as the pattern brush of its colour answers.
#include "image/graphics_object.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/core/window_skin_record.h"
#include "skin/draw/colour.h"
#include "skin/draw/geometry.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/painters/basic/edit_combo.h"
#include "toolkit/gdi_handle.h"

HBITMAP Control_MakeBackdropBitmap(HWND control) {
    const RECT c = Window_ClientRectInWindow(control);
    const int width = c.right - c.left, height = c.bottom - c.top;
    HDC snapshot = Skin_SnapshotBackground(control, c);
    if (!snapshot) return nullptr;
    {
        GraphicsObject graphics;
        SolidBrushObject veil;
        if (Graphics_FromDC(graphics, snapshot) &&
            SolidBrush_Create(veil, Color_ToArgb(0xFFFFFF, Skin_State().controlFillAlpha))) {
            Graphics_FillRectangle(graphics, veil, 0, 0, static_cast<float>(width), static_cast<float>(height));
        }
    }
    HBITMAP bitmap = CreateCompatibleBitmap(snapshot, width, height);
    if (bitmap) {
        MemoryDc copy(snapshot);
        SelectGuard select(copy.get(), bitmap);
        BitBlt(copy.get(), 0, 0, width, height, snapshot, 0, 0, SRCCOPY);
    }
    MemDc_Release(snapshot);
    return bitmap;
}

HBRUSH Control_RenewBackdropBrush(HWND control) {
    Control_DropBackdropBrush(control);
    BitmapHandle bitmap(Control_MakeBackdropBitmap(control));
    if (!bitmap) return nullptr;
    HBRUSH brush = CreatePatternBrush(bitmap.get());
    if (!brush) return nullptr;
    SetPropW(control, SkinProp::kColourBitmap, bitmap.release());
    SetPropW(control, SkinProp::kColourBrush, brush);
    return brush;
}

void Control_DropBackdropBrush(HWND control) {
    if (!control) return;
    Prop_DeleteObject(control, SkinProp::kColourBrush);
    Prop_DeleteObject(control, SkinProp::kColourBitmap);
}
