// One toolbar button: its background by state, its rounded frame, separator lines, the drop-down divider and
// arrow, the icon (greyed when disabled or indeterminate) and its centred, trimmed text.
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>

#include "image/graphics_object.h"
#include "skin/core/control_registration.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/round_rect_path.h"
#include "skin/painters/lists/toolbar_grey_icon.h"
#include "skin/painters/lists/toolbar_painter.h"
#include "toolkit/codepage.h"

namespace {

constexpr int kUnitWorld = 0;
constexpr int kCornerDiameter = 5;
constexpr int kDropDownSpace = 10; // the arrow's room beside a drop-down button's icon
constexpr int kDropDownText = 12;  // taken off a drop-down button's text width
constexpr COLORREF kBlack = RGB(0, 0, 0);
constexpr COLORREF kWhite = RGB(255, 255, 255);
constexpr COLORREF kGreyText = RGB(128, 128, 128);
constexpr int kMeasureTrailingSpaces = 0x800;
constexpr int kAlignCentre = 1;
constexpr int kTrimEllipsisCharacter = 3;
constexpr const char kDefaultFace[] = "宋体";
constexpr int kDefaultFontSize = 12;

// The button's image in the toolbar's image list (the one it had at registration); null when it has none.
struct ButtonImage {
    HIMAGELIST list = nullptr;
    int index = -1;
    int width = 0, height = 0;
};

ButtonImage FindImage(HWND window, int index) {
    ButtonImage image;
    const auto list = reinterpret_cast<HIMAGELIST>(GetPropW(window, SkinProp::kColourBitmap));
    if (!list || index < 0 || index >= ImageList_GetImageCount(list)) return image;
    if (!ImageList_GetIconSize(list, &image.width, &image.height)) return image;
    image.list = list;
    image.index = index;
    return image;
}

Text ButtonText(HWND window, int command) {
    const LRESULT length = SendMessageW(window, TB_GETBUTTONTEXTW, command, 0);
    if (length <= 0) return {};
    std::wstring text(static_cast<size_t>(length) + 1, L'\0');
    const LRESULT copied = SendMessageW(window, TB_GETBUTTONTEXTW, command, reinterpret_cast<LPARAM>(text.data()));
    if (copied <= 0) return {};
    text.resize(std::min(static_cast<size_t>(copied), static_cast<size_t>(length)));
    return Cp936_FromWide(text);
}

void Fill(GraphicsObject& graphics, const PathObject& path, COLORREF colour, int alpha) {
    SolidBrushObject brush;
    if (SolidBrush_Create(brush, Color_ToArgb(colour, alpha))) Graphics_FillPath(graphics, brush, path);
}

// A glow from the edge of path towards its middle, spread over the inner part given by the focus scales.
void FillGlow(GraphicsObject& graphics, const PathObject& path, float xScale, float yScale, int centreAlpha,
              int edgeAlpha) {
    PathGradientBrushObject brush;
    if (!PathBrush_Create(brush, path)) return;
    const Argb surround = Color_ToArgb(Skin_State().themeColour, edgeAlpha);
    PathBrush_SetCenterColor(brush, Color_ToArgb(kWhite, centreAlpha));
    PathBrush_SetSurroundColors(brush, std::span<const Argb>(&surround, 1));
    PathBrush_SetFocusScales(brush, xScale, yScale);
    Graphics_FillPath(graphics, brush, path);
}

void Line(GraphicsObject& graphics, COLORREF colour, int alpha, float x1, float y1, float x2, float y2) {
    PenObject pen;
    if (Pen_Create(pen, Color_ToArgb(colour, alpha), 1.0f, kUnitWorld))
        Graphics_DrawLine(graphics, pen, x1, y1, x2, y2);
}

// A dark line with a light one beside it, one pixel further along (dx, dy).
void DoubleLine(GraphicsObject& graphics, float x1, float y1, float x2, float y2, float dx, float dy) {
    Line(graphics, kBlack, 100, x1, y1, x2, y2);
    Line(graphics, kWhite, 150, x1 + dx, y1 + dy, x2 + dx, y2 + dy);
}

void Outline(GraphicsObject& graphics, const PathObject& path, COLORREF colour, int alpha) {
    PenObject pen;
    if (Pen_Create(pen, Color_ToArgb(colour, alpha), 1.0f, kUnitWorld)) Graphics_DrawPath(graphics, pen, path);
}

// The drop-down arrow: rows of 7, 5, 3 and 1 black pixels, each centred, from (x, y) down.
void DownArrow(GraphicsObject& graphics, float x, float y) {
    SolidBrushObject brush;
    if (!SolidBrush_Create(brush, Color_ToArgb(kBlack))) return;
    for (int row = 0; row < 4; ++row)
        Graphics_FillRectangle(graphics, brush, x + row, y + row, static_cast<float>(7 - 2 * row), 1.0f);
}

bool IsDropDown(BYTE style) {
    return style == BTNS_DROPDOWN || style == BTNS_WHOLEDROPDOWN;
}

struct Box {
    float x, y, width, height;
};

void DrawBackground(GraphicsObject& graphics, const PathObject& path, const Box& b, BYTE state, bool hot) {
    const COLORREF theme = Skin_State().themeColour;
    if (state & TBSTATE_PRESSED) {
        LinearGradientBrushObject brush;
        if (LinearBrush_Create(brush, {b.x, b.y}, {b.x, b.y + b.height}, Color_ToArgb(kBlack, 60),
                               Color_ToArgb(kWhite, 100)))
            Graphics_FillPath(graphics, brush, path);
    } else if (state & TBSTATE_CHECKED) {
        Fill(graphics, path, kWhite, 100);
        Fill(graphics, path, theme, 16);
        FillGlow(graphics, path, (b.width - 4) / b.width, (b.height - 4) / b.height, 100, 80);
    } else if (hot) {
        Fill(graphics, path, kWhite, 100);
        Fill(graphics, path, theme, 10);
        FillGlow(graphics, path, (b.width - 4) / b.width, (b.height - 6) / b.height, 10, 60);
    }
}

void DrawFrame(GraphicsObject& graphics, const PathObject& path, const Box& b, BYTE style) {
    if (style != BTNS_SEP) {
        Outline(graphics, path, kBlack, 100);
        PathObject inner;
        if (Path_Create(inner)) {
            Path_AddRoundRect(inner, b.x + 1, b.y + 1, b.width - 2, b.height - 2, kCornerDiameter);
            Outline(graphics, inner, kWhite, 60);
        }
    }
    if (IsDropDown(style)) {
        const float x = b.x + b.width - 12;
        DoubleLine(graphics, x, b.y + 3, x, b.y + b.height - 3, 1, 0);
    }
}

void DrawSeparator(GraphicsObject& graphics, HWND window, int index, const Box& b) {
    if (b.x <= 9 && index != 0) {
        // The separator that starts a wrapped row runs across the toolbar.
        RECT client{};
        GetClientRect(window, &client);
        const float y = b.y + b.height - 5;
        DoubleLine(graphics, b.x + 3, y, b.x + static_cast<float>(client.right) - 6, y, 0, 1);
    } else {
        const float x = b.x + (b.width - 2) / 2;
        DoubleLine(graphics, x, b.y + 3, x, b.y + b.height - 3, 1, 0);
    }
}

struct IconPlace {
    bool draw = false;
    bool grey = false;
    float x = 0, y = 0;
};

// Where the icon goes and whether it is greyed; nothing for styles that show no icon.
IconPlace PlaceIcon(const Box& b, BYTE style, BYTE state, bool textBeside, float iconWidth, float iconHeight) {
    IconPlace place;
    const float plainX = textBeside ? b.x + 2 : b.x + (b.width - iconWidth) / 2;
    const float plainY = textBeside ? b.y + (b.height - iconHeight) / 2 : b.y + 2;
    const float dropX = textBeside ? b.x + 2 : b.x + (b.width - iconWidth - kDropDownSpace) / 2;
    const bool inactive = (state & TBSTATE_INDETERMINATE) || !(state & TBSTATE_ENABLED);
    switch (style) {
    case BTNS_BUTTON:
    case BTNS_CHECK:
    case BTNS_CHECKGROUP:
        return {true, inactive, plainX, plainY};
    case BTNS_DROPDOWN:
        return {true, inactive, inactive ? plainX : dropX, plainY};
    case BTNS_WHOLEDROPDOWN: {
        const bool grey = (state & ~TBSTATE_INDETERMINATE) == 0;
        return {true, grey, grey ? plainX : dropX, plainY};
    }
    default:
        return place;
    }
}

void DrawLabel(GraphicsObject& graphics, HWND window, const Text& text, const Box& b, BYTE style, BYTE state,
               bool textBeside, float iconWidth, float iconHeight) {
    COLORREF colour = kGreyText;
    if (!(state & TBSTATE_INDETERMINATE) && (state & TBSTATE_ENABLED))
        colour = static_cast<COLORREF>(Prop_GetInt(window, SkinProp::kTextColour));
    Text face = kDefaultFace;
    int size = kDefaultFontSize, fontStyle = 0;
    if (const ToolbarEntry* entry = Skin_ControlEntry(window, &WindowSkinRecord::toolbars)) {
        if (!entry->fontName.empty()) face = entry->fontName;
        if (entry->fontSize) size = entry->fontSize;
        fontStyle = entry->fontStyle;
    }
    FontObject font;
    SolidBrushObject brush;
    StringFormatObject format;
    if (!Font_CreateByName(font, face, static_cast<float>(size), fontStyle, kUnitWorld) ||
        !SolidBrush_Create(brush, Color_ToArgb(colour)) || !StringFormat_Create(format, kMeasureTrailingSpaces, 0))
        return;
    StringFormat_SetAlignment(format, kAlignCentre);
    StringFormat_SetLineAlignment(format, kAlignCentre);
    StringFormat_SetTrimming(format, kTrimEllipsisCharacter);
    const float narrower = IsDropDown(style) ? kDropDownText : 0;
    const FloatRect layout = textBeside ? FloatRect{b.x + iconWidth, b.y + 2, b.width - iconWidth - narrower, b.height}
                                        : FloatRect{b.x, b.y + iconHeight, b.width - narrower, b.height - iconHeight};
    Graphics_DrawString(graphics, text, font, brush, layout, format);
}

} // namespace

void Toolbar_DrawButton(HWND window, int index, HDC dc, bool hot) {
    TBBUTTON button{};
    if (!SendMessageW(window, TB_GETBUTTON, index, reinterpret_cast<LPARAM>(&button))) return;
    const BYTE state = button.fsState, style = button.fsStyle;
    if (state & TBSTATE_HIDDEN) return;
    RECT r{};
    SendMessageW(window, TB_GETITEMRECT, index, reinterpret_cast<LPARAM>(&r));
    const Box b{static_cast<float>(r.left), static_cast<float>(r.top), static_cast<float>(r.right - r.left),
                static_cast<float>(r.bottom - r.top)};
    if (b.width <= 0 || b.height <= 0) return;
    const bool textBeside = (SendMessageW(window, TB_GETSTYLE, 0, 0) & TBSTYLE_LIST) != 0;
    const ButtonImage image = FindImage(window, button.iBitmap);
    const Text text = ButtonText(window, button.idCommand);
    const float iconWidth = static_cast<float>(image.width), iconHeight = static_cast<float>(image.height);

    {
        GraphicsObject graphics;
        PathObject path;
        if (!Graphics_FromDC(graphics, dc) || !Path_Create(path)) return;
        Path_AddRoundRect(path, b.x, b.y, b.width, b.height, kCornerDiameter);
        DrawBackground(graphics, path, b, state, hot);
        if (hot || (state & (TBSTATE_PRESSED | TBSTATE_CHECKED))) DrawFrame(graphics, path, b, style);
        if (style == BTNS_SEP) DrawSeparator(graphics, window, index, b);
    }
    // Icons go through GDI, between two graphics objects, so that no GDI+ drawing is pending on the DC meanwhile.
    if (const IconPlace place = PlaceIcon(b, style, state, textBeside, iconWidth, iconHeight);
        place.draw && image.list) {
        const int x = static_cast<int>(place.x), y = static_cast<int>(place.y);
        if (place.grey)
            Toolbar_DrawGreyImage(dc, x, y, image.list, image.index, state);
        else
            ImageList_Draw(image.list, image.index, dc, x, y, ILD_TRANSPARENT);
    }
    if (!IsDropDown(style) && text.empty()) return;
    GraphicsObject graphics;
    if (!Graphics_FromDC(graphics, dc)) return;
    if (IsDropDown(style)) DownArrow(graphics, b.x + b.width - 8, b.y + (b.height - 4) / 2);
    if (!text.empty()) DrawLabel(graphics, window, text, b, style, state, textBeside, iconWidth, iconHeight);
}
