// The push button look: a translucent rounded plate with a shade and a gloss band, a theme-coloured hover tint, a
// soft inner focus glow, an inset gradient while pressed, and a flat light grey plate while disabled.
#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/draw/round_rect_path.h"
#include "skin/painters/basic/button_painter.h"

namespace {

constexpr int kCorner = 5;
constexpr int kUnitWorld = 0;
constexpr int kClipReplace = 0;
constexpr int kAlignCentre = 1;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;
constexpr COLORREF kDisabledFill = 0xC0C0C0;
constexpr COLORREF kShade = 0x808080;
constexpr COLORREF kFocusGlow = 0xDDCA22;

void Fill(GraphicsObject& graphics, const PathObject& path, Argb colour) {
    SolidBrushObject brush;
    SolidBrush_Create(brush, colour);
    Graphics_FillPath(graphics, brush, path);
}

void FillGradient(GraphicsObject& graphics, const PathObject& path, FloatPoint from, FloatPoint to, Argb start,
                  Argb end) {
    LinearGradientBrushObject brush;
    LinearBrush_Create(brush, from, to, start, end);
    Graphics_FillPath(graphics, brush, path);
}

void Outline(GraphicsObject& graphics, const PathObject& path, Argb colour, float width = 1.0f) {
    PenObject pen;
    Pen_Create(pen, colour, width, kUnitWorld);
    Graphics_DrawPath(graphics, pen, path);
}

void DrawLook(GraphicsObject& graphics, const ButtonEntry& entry, COLORREF textColour, UINT state, float x0, float y0,
              float width, float height) {
    const COLORREF theme = Skin_State().themeColour;
    PathObject plate;
    Path_Create(plate);
    Path_AddRoundRect(plate, x0, y0, width - 1, height - 1, kCorner);
    Fill(graphics, plate, Color_ToArgb(kWhite, 120));

    if (state & ODS_DISABLED) {
        SolidBrushObject grey;
        SolidBrush_Create(grey, Color_ToArgb(kDisabledFill));
        Graphics_FillRectangle(graphics, grey, x0, y0, width, height);
        Outline(graphics, plate, Color_ToArgb(kBlack, 80));
    } else {
        const FloatPoint top{x0, y0}, bottom{x0, y0 + height - 1};
        FillGradient(graphics, plate, top, bottom, Color_ToArgb(kWhite, 0), Color_ToArgb(kShade, 60));

        PathObject gloss;
        Path_Create(gloss);
        Path_AddTopRoundRect(gloss, static_cast<int>(x0), static_cast<int>(y0), static_cast<int>(width - 1),
                             static_cast<int>(height * 0.5f), kCorner);
        FillGradient(graphics, gloss, top, {x0, y0 + height * 0.5f}, Color_ToArgb(kWhite, 50),
                     Color_ToArgb(kWhite, 10));

        if (state & ODS_HOTLIGHT) {
            FillGradient(graphics, plate, top, bottom, Color_ToArgb(theme, 60), Color_ToArgb(kWhite, 80));
            FillGradient(graphics, plate, top, bottom, Color_ToArgb(kWhite, 100), Color_ToArgb(theme, 30));
            Outline(graphics, plate, Color_ToArgb(kBlack, 150));
            Outline(graphics, plate, Color_ToArgb(theme, 100));
        } else if (state & ODS_FOCUS) {
            // Only the inner half of each stroke lies inside the clip: a soft glow along the inside of the edge.
            Graphics_ClipToPath(graphics, plate, kClipReplace);
            for (float pen : {1.0f, 2.0f, 3.0f}) Outline(graphics, plate, Color_ToArgb(kFocusGlow, 120), pen);
            Graphics_ResetClip(graphics);
            Outline(graphics, plate, Color_ToArgb(kBlack, 80));
        } else {
            Outline(graphics, plate, Color_ToArgb(kBlack, 120));
        }

        if (state & ODS_SELECTED) {
            PathObject inset;
            Path_Create(inset);
            Path_AddRoundRect(inset, x0 + 2, y0 + 2, width - 3, height - 3, kCorner);
            FillGradient(graphics, inset, {2, 2}, {2, height - 2}, Color_ToArgb(theme, 60), Color_ToArgb(kWhite, 100));
        }
    }

    if (entry.text.empty()) return;
    FontObject font;
    StringFormatObject format;
    SolidBrushObject brush;
    Font_CreateByName(font, entry.fontName, static_cast<float>(entry.fontSize), entry.fontStyle, kUnitWorld);
    StringFormat_Create(format, 0);
    StringFormat_SetAlignment(format, kAlignCentre);
    StringFormat_SetLineAlignment(format, kAlignCentre);
    SolidBrush_Create(brush, Color_ToArgb(textColour));
    Graphics_DrawString(graphics, entry.text, font, brush, {0, 2, width, height}, format);
}

}  // namespace

void Button_PaintPush(HWND button, HDC dc, UINT itemState, const RECT& rect) {
    const ButtonEntry* entry = Skin_ControlEntry(button, &WindowSkinRecord::buttons);
    if (!entry || !dc) return;
    HDC picture = Skin_SnapshotBackground(button, rect);
    if (!picture) return;
    const int width = rect.right - rect.left, height = rect.bottom - rect.top;
    {
        GraphicsObject graphics;
        Graphics_FromDC(graphics, picture);
        const auto textColour = static_cast<COLORREF>(Prop_GetInt(button, SkinProp::kTextColour));
        DrawLook(graphics, *entry, textColour, itemState, static_cast<float>(rect.left), static_cast<float>(rect.top),
                 static_cast<float>(width), static_cast<float>(height));
    }
    Skin_PresentControl(button, picture);
    BitBlt(dc, 0, 0, width, height, picture, 0, 0, SRCCOPY);
    MemDc_Release(picture);
}

void Button_RelayDrawItem(const DRAWITEMSTRUCT* item) {
    if (!item || item->CtlType != ODT_BUTTON || !item->hwndItem) return;
    if (Prop_GetInt(item->hwndItem, SkinProp::kListId) < 1) return;
    const ButtonEntry* entry = Skin_ControlEntry(item->hwndItem, &WindowSkinRecord::buttons);
    if (!entry || entry->kind != kButtonPush) return;
    Button_PaintPush(item->hwndItem, item->hDC, item->itemState, item->rcItem);
}
