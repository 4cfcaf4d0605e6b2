// The check box and radio button looks: a drawn box or disc with a soft theme-coloured halo on hover, the tinted
// check glyph or a theme-coloured dot, and the text beside it. Always drawn in the enabled look.
#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/mem_dc_table.h"
#include "skin/draw/present.h"
#include "skin/draw/round_rect_path.h"
#include "skin/painters/basic/button_painter.h"
#include "toolkit/gdi_handle.h"

namespace {

constexpr int kUnitWorld = 0;
constexpr int kUnitPixel = 2;
constexpr int kSmoothingAntiAlias = 4;
constexpr int kClipReplace = 0;
constexpr int kClipXor = 3;
constexpr int kAlignNear = 0;
constexpr int kAlignCentre = 1;
constexpr COLORREF kWhite = 0xFFFFFF;
constexpr COLORREF kBlack = 0x000000;

struct Box {
    float x0, y0, width, height;
    float c;  // top of the 12-pixel box or disc, vertically centred
};

void FillPath(GraphicsObject& graphics, const PathObject& path, Argb colour) {
    SolidBrushObject brush;
    SolidBrush_Create(brush, colour);
    Graphics_FillPath(graphics, brush, path);
}

void OutlinePath(GraphicsObject& graphics, const PathObject& path, Argb colour) {
    PenObject pen;
    Pen_Create(pen, colour, 1.0f, kUnitWorld);
    Graphics_DrawPath(graphics, pen, path);
}

void FillRadial(GraphicsObject& graphics, const PathObject& path, Argb centre, Argb surround, float focus) {
    PathGradientBrushObject brush;
    PathBrush_Create(brush, path);
    PathBrush_SetCenterColor(brush, centre);
    const Argb around[] = {surround};
    PathBrush_SetSurroundColors(brush, around);
    PathBrush_SetFocusScales(brush, focus, focus);
    Graphics_FillPath(graphics, brush, path);
}

// The hover halo: the ring of halo that lies outside the current clip shape, white fading into the theme colour.
void DrawHalo(GraphicsObject& graphics, const PathObject& halo) {
    Graphics_ClipToPath(graphics, halo, kClipXor);
    FillRadial(graphics, halo, Color_ToArgb(kWhite), Color_ToArgb(kWhite, 0), 0.4f);
    FillRadial(graphics, halo, Color_ToArgb(Skin_State().themeColour), Color_ToArgb(kWhite, 0), 0.3f);
    Graphics_ResetClip(graphics);
}

void DrawText(GraphicsObject& graphics, const ButtonEntry& entry, HWND button, const Box& box) {
    if (entry.text.empty()) return;
    FontObject font;
    StringFormatObject format;
    SolidBrushObject brush;
    Font_CreateByName(font, entry.fontName, static_cast<float>(entry.fontSize), entry.fontStyle, kUnitPixel);
    StringFormat_Create(format, 0);
    StringFormat_SetAlignment(format, kAlignNear);
    StringFormat_SetLineAlignment(format, kAlignCentre);
    SolidBrush_Create(brush, Color_ToArgb(static_cast<COLORREF>(Prop_GetInt(button, SkinProp::kTextColour))));
    Graphics_DrawString(graphics, entry.text, font, brush, {box.x0 + 15, 2, box.width, box.height}, format);
}

bool IsChecked(HWND button) { return SendMessageW(button, BM_GETCHECK, 0, 0) == BST_CHECKED; }

void DrawRadio(GraphicsObject& graphics, const Box& b, UINT state, bool checked) {
    const COLORREF theme = Skin_State().themeColour;
    Graphics_SetSmoothingMode(graphics, kSmoothingAntiAlias);
    PathObject disc;
    Path_Create(disc);
    Path_AddEllipse(disc, b.x0 + 2, b.c, 12, 12);
    FillPath(graphics, disc, Color_ToArgb(kWhite));
    {
        LinearGradientBrushObject shade;
        LinearBrush_Create(shade, {b.x0 + 3, b.c + 1}, {b.x0 + 10, b.c + 11}, Color_ToArgb(kBlack, 100),
                           Color_ToArgb(kBlack, 0));
        Graphics_FillPath(graphics, shade, disc);
    }
    if (state & ODS_HOTLIGHT) {
        Graphics_ClipToPath(graphics, disc, kClipReplace);
        PathObject halo;
        Path_Create(halo);
        Path_AddEllipse(halo, b.x0 - 1, b.c - 3, 18, 18);
        DrawHalo(graphics, halo);
    }
    OutlinePath(graphics, disc, Color_ToArgb(kBlack, 200));
    PathObject ring;
    Path_Create(ring);
    Path_AddEllipse(ring, b.x0 + 3, b.y0 + (b.height - 11) / 2 + 1, 9, 9);
    OutlinePath(graphics, ring, Color_ToArgb(kWhite));
    if (checked) {
        PathObject dot;
        Path_Create(dot);
        Path_AddEllipse(dot, b.x0 + 5, b.c + 3, 6, 6);
        OutlinePath(graphics, dot, Color_ToArgb(kBlack, 150));
        OutlinePath(graphics, dot, Color_ToArgb(theme, 150));
        FillRadial(graphics, dot, Color_ToArgb(kWhite, 80), Color_ToArgb(theme), 0.0f);
    }
}

void DrawCheck(GraphicsObject& graphics, const Box& b, UINT state, bool checked) {
    const COLORREF theme = Skin_State().themeColour;
    {
        SolidBrushObject white;
        SolidBrush_Create(white, Color_ToArgb(kWhite));
        Graphics_FillRectangle(graphics, white, b.x0 + 3, b.c + 1, 11, 11);
        LinearGradientBrushObject shade;
        LinearBrush_Create(shade, {b.x0, b.c}, {b.x0, b.c + 12}, Color_ToArgb(kBlack, 70), Color_ToArgb(kWhite));
        Graphics_FillRectangle(graphics, shade, b.x0 + 3, b.c + 1, 11, 11);
    }
    const FloatRect frame{b.x0 + 2, b.c, 12, 12};
    if (state & ODS_HOTLIGHT) {
        Graphics_ClipToRectangle(graphics, frame.x, frame.y, frame.width, frame.height, kClipReplace);
        PathObject halo;
        Path_Create(halo);
        Path_AddRoundRect(halo, b.x0 - 1, b.c - 3, 18, 18, 6);
        DrawHalo(graphics, halo);
        const float top = b.y0 + (b.height - 11) / 2;
        LinearGradientBrushObject tint;
        LinearBrush_Create(tint, {b.x0, top}, {b.x0 + 12, top + 12}, Color_ToArgb(theme, 90), Color_ToArgb(kWhite, 30));
        Graphics_FillRectangle(graphics, tint, frame.x, frame.y, frame.width, frame.height);
    }
    PenObject pen;
    Pen_Create(pen, Color_ToArgb(kBlack, 150), 1.0f, kUnitWorld);
    Graphics_DrawRectangle(graphics, pen, frame.x, frame.y, frame.width, frame.height);
    Pen_Create(pen, Color_ToArgb(kWhite), 1.0f, kUnitWorld);
    Graphics_DrawRectangle(graphics, pen, b.x0 + 4, b.c + 1, 9, 10);
    if (checked) {
        const Bytes glyph = Button_MakeCheckGlyph();
        ImageObject image;
        if (!glyph.empty() && Image_LoadFromBytes(image, glyph)) {
            Graphics_DrawImage(graphics, image, b.x0 + 2, b.c);
            Graphics_DrawImage(graphics, image, b.x0 + 2, b.c);
        }
    }
}

// The painter cycle for a check box or radio button onto its own window.
template <typename Draw>
void Paint(HWND button, UINT state, Draw draw) {
    const ButtonEntry* entry = Skin_ControlEntry(button, &WindowSkinRecord::buttons);
    if (!entry) return;
    RECT area;
    GetClientRect(button, &area);
    const Box box{static_cast<float>(area.left), static_cast<float>(area.top),
                  static_cast<float>(area.right - area.left), static_cast<float>(area.bottom - area.top),
                  static_cast<float>(area.top) + static_cast<float>(area.bottom - area.top - 12) / 2};
    const bool checked = IsChecked(button);
    entry = Skin_ControlEntry(button, &WindowSkinRecord::buttons);
    if (!entry) return;
    HDC picture = Skin_SnapshotBackground(button, area);
    if (!picture) return;
    {
        GraphicsObject graphics;
        Graphics_FromDC(graphics, picture);
        draw(graphics, box, state, checked);
        DrawText(graphics, *entry, button, box);
    }
    Skin_PresentControl(button, picture);
    {
        WindowDc dc(button);
        if (dc.get()) BitBlt(dc.get(), 0, 0, area.right - area.left, area.bottom - area.top, picture, 0, 0, SRCCOPY);
    }
    MemDc_Release(picture);
}

}  // namespace

void Button_PaintRadio(HWND button, UINT itemState) { Paint(button, itemState, DrawRadio); }

void Button_PaintCheck(HWND button, UINT itemState) { Paint(button, itemState, DrawCheck); }
