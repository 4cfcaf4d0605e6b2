// The title and the caption buttons, drawn during composition and redrawn on their own afterwards.
#include <algorithm>
#include <array>

#include "skin/core/caption_sprites.h"
#include "skin/core/frame_internal.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/draw/colour.h"
#include "skin/draw/round_rect_path.h"
#include "skin/draw/text_effects.h"

namespace {

constexpr int kSmoothingAntiAlias = 4;
constexpr int kCombineReplace = 0;
constexpr int kUnitPixel = 2;
constexpr int kUnitWorld = 0;
constexpr int kLineLimit = 0x2000;
constexpr int kIconSize = 17;

void Flush(GraphicsObject& graphics) {
    Gdiplus::DllExports::GdipFlush(graphics.get(), Gdiplus::FlushIntentionSync);
    GdiFlush();
}

// Copies rect from the title strip copy back into frameDC, within the strip.
void Restore(const WindowSkinRecord& record, GraphicsObject& graphics, RECT rect) {
    if (!record.titleStripDC) return;
    rect.top = std::max<LONG>(rect.top, 0);
    rect.left = std::max<LONG>(rect.left, 0);
    rect.bottom = std::min<LONG>(rect.bottom, record.titleHeight);
    if (rect.right <= rect.left || rect.bottom <= rect.top) return;
    Flush(graphics);
    BitBlt(record.frameDC, rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top, record.titleStripDC,
           rect.left, rect.top, SRCCOPY);
}

void ClipTo(GraphicsObject& graphics, const RECT& rect) {
    Graphics_ClipToRectangle(graphics, static_cast<float>(rect.left), static_cast<float>(rect.top),
                             static_cast<float>(rect.right - rect.left), static_cast<float>(rect.bottom - rect.top),
                             kCombineReplace);
}

int ClientWidth(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    return client.right;
}

// The part of the title band the title owns: from the icon to the caption buttons, inside the band.
RECT TitleArea(const WindowSkinRecord& record, int clientWidth) {
    const FloatRect box = Frame_TitleTextBox(record, clientWidth);
    const LONG right = std::min(static_cast<LONG>(box.x + box.width), static_cast<LONG>(record.buttonsLeft));
    const LONG bottom = std::max(kFrameTitleTop, std::min(kFrameTitleTop + kFrameTitleBoxHeight, record.titleHeight));
    return {kFrameTitleLeft, kFrameTitleTop, std::max(right, static_cast<LONG>(kFrameTitleLeft)), bottom};
}

void FillGradient(GraphicsObject& graphics, const PathObject* path, const FloatRect& rect, float x, float y,
                  float toY, Argb from, Argb to) {
    LinearGradientBrushObject brush;
    if (!LinearBrush_Create(brush, {x, y}, {x, toY}, from, to)) return;
    if (path) {
        Graphics_FillPath(graphics, brush, *path);
    } else {
        Graphics_FillRectangle(graphics, brush, rect.x, rect.y, rect.width, rect.height);
    }
}

void OutlineGradient(GraphicsObject& graphics, const PathObject& path, float x, float y, float toY, Argb from,
                     Argb to) {
    LinearGradientBrushObject brush;
    PenObject pen;
    if (LinearBrush_Create(brush, {x, y}, {x, toY}, from, to) && Pen_CreateFromBrush(pen, brush, 1, kUnitPixel))
        Graphics_DrawPath(graphics, pen, path);
}

// The left, top and right edges of a box, its top corners rounded by arcs of size e (only the top-right one for
// the close box).
bool BoxPath(PathObject& path, int x, int y, int w, int h, int e, bool closeBox) {
    if (!Path_Create(path)) return false;
    if (!closeBox) {
        Path_AddTopRoundRect(path, x, y, w, h, e);
        return true;
    }
    const float fx = static_cast<float>(x), fy = static_cast<float>(y), fw = static_cast<float>(w);
    const float fh = static_cast<float>(h), fe = static_cast<float>(e);
    Path_AddLine(path, fx, fy + fh, fx, fy);
    Path_AddLine(path, fx, fy, fx + fw - fe, fy);
    Path_AddArc(path, fx + fw - fe, fy, fe, fe, 270, 90);
    Path_AddLine(path, fx + fw, fy + fe, fx + fw, fy + fh);
    return true;
}

struct ButtonBox {
    int x, y, w, h;
};

ButtonBox BoxOf(const WindowSkinRecord& record, int button) {
    const CaptionButton& b = record.captionButtons[button - 1];
    return {static_cast<int>(b.rect.x - 1), record.buttonsTop + 1, b.width, b.height};
}

constexpr CaptionSprite kSprites[] = {CaptionSprite::Help,     CaptionSprite::Menu,    CaptionSprite::Minimise,
                                      CaptionSprite::Maximise, CaptionSprite::Restore, CaptionSprite::Close};
constexpr size_t kSpriteCount = sizeof kSprites / sizeof kSprites[0];

// The engine's own sprites decoded once; allocated for good, so that no GDI+ object outlives GDI+ at exit.
std::array<ImageObject, kSpriteCount>& SpriteCache() {
    static auto* cache = new std::array<ImageObject, kSpriteCount>();
    return *cache;
}

const ImageObject* CachedSprite(const Bytes& png) {
    for (size_t i = 0; i < kSpriteCount; ++i) {
        const ByteView known = CaptionSprite_Png(kSprites[i]);
        if (png.size() != known.size() || !std::equal(png.begin(), png.end(), known.begin())) continue;
        ImageObject& image = SpriteCache()[i];
        if (!image && !Image_LoadFromBytes(image, known)) return nullptr;
        return &image;
    }
    return nullptr;
}

void DrawSprite(GraphicsObject& graphics, const WindowSkinRecord& record, const CaptionButton& button, float x,
                float y, float w, float h) {
    const Bytes& png = (button.kind == 1 && record.maximized == 1) ? button.altImage : button.image;
    if (png.empty()) return;
    if (const ImageObject* cached = CachedSprite(png)) {
        Graphics_DrawImageScaled(graphics, *cached, x, y, w, h);
        return;
    }
    ImageObject sprite;
    if (Image_LoadFromBytes(sprite, png)) Graphics_DrawImageScaled(graphics, sprite, x, y, w, h);
}

void DrawSeparator(GraphicsObject& graphics, const WindowSkinRecord& record, float x, int opacity) {
    const float top = static_cast<float>(record.buttonsTop);
    LinearGradientBrushObject brush;
    PenObject pen;
    if (!LinearBrush_Create(brush, {x, top}, {x, top + record.buttonsHeight - 3}, Color_ToArgb(0, opacity),
                            Color_ToArgb(0, 0)) ||
        !Pen_CreateFromBrush(pen, brush, 1, kUnitPixel))
        return;
    Graphics_DrawLine(graphics, pen, x, top + 1, x, top + record.buttonsHeight - 4);
}

// One button's look over whatever is under it.
void DrawButton(const WindowSkinRecord& record, GraphicsObject& graphics, int button, CaptionLook look, int a) {
    const CaptionButton& b = record.captionButtons[button - 1];
    const auto [x, y, w, h] = BoxOf(record, button);
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    const bool close = b.kind == 0;
    const Argb clear = Color_ToArgb(RGB(255, 255, 255), 0);

    if (look == CaptionLook::Pressed) {
        PathObject box;
        if (close) {
            if (BoxPath(box, x, y, w, h, 5, true))
                FillGradient(graphics, &box, {}, fx, fy, fy + h, Color_ToArgb(RGB(255, 0, 0), 255),
                             Color_ToArgb(RGB(255, 255, 255), 30));
        } else {
            FillGradient(graphics, nullptr, {fx, fy, static_cast<float>(w), static_cast<float>(h)}, fx, fy, fy + h,
                         Color_ToArgb(0, 80), Color_ToArgb(RGB(255, 255, 255), 5));
        }
        DrawSprite(graphics, record, b, fx, fy, static_cast<float>(w - 1), static_cast<float>(h));
        return;
    }

    // Hover layer: nothing at all at opacity 0.
    if (a > 0) {
        PathObject top;
        if (BoxPath(top, x, y, w, h, 1, false))
            FillGradient(graphics, &top, {}, fx, fy, fy + h + 1, Color_ToArgb(0, a / 5), clear);
        PathObject tint;
        if (BoxPath(tint, x, y, w, h, close ? 5 : 1, close))
            FillGradient(graphics, &tint, {}, fx, fy, fy + h + 1,
                         close ? Color_ToArgb(RGB(255, 0, 0), a) : Color_ToArgb(Skin_State().themeColour, a), clear);
        PathObject rim;
        if (BoxPath(rim, x, y, w, static_cast<int>(h * 0.8), close ? 5 : 1, close))
            OutlineGradient(graphics, rim, fx, fy, fy + h + 1, Color_ToArgb(RGB(255, 255, 255), static_cast<int>(a * 0.8)),
                            clear);
    }
    // Glass.
    FillGradient(graphics, nullptr, {fx - 1, fy, static_cast<float>(w + 1), static_cast<float>(h - 1)}, fx, fy,
                 fy + h, Color_ToArgb(RGB(255, 255, 255), 50), Color_ToArgb(0, 0));
    DrawSprite(graphics, record, b, fx, fy, static_cast<float>(w), static_cast<float>(h));
    // Separators: before this button, and before the next one.
    DrawSeparator(graphics, record, static_cast<float>(static_cast<int>(b.rect.x - 2)), button == 1 ? 100 : 60);
    if (button < static_cast<int>(record.captionButtons.size())) {
        const CaptionButton& next = record.captionButtons[button];
        DrawSeparator(graphics, record, static_cast<float>(static_cast<int>(next.rect.x - 2)), 60);
    }
}

}  // namespace

FloatRect Frame_TitleTextBox(const WindowSkinRecord& record, int clientWidth) {
    const int b = Skin_State().frameBorder;
    return {static_cast<float>(kFrameTitleLeft + 20), static_cast<float>(kFrameTitleTop + 2),
            static_cast<float>(clientWidth - record.buttonsWidth - 10 - 2 * b),
            static_cast<float>(kFrameTitleBoxHeight)};
}

RECT Frame_CaptionButtonArea(const WindowSkinRecord& record, int button) {
    if (button < 1 || button > static_cast<int>(record.captionButtons.size())) return {};
    const auto [x, y, w, h] = BoxOf(record, button);
    return {x, y, x + w, y + h};
}

void Frame_PaintTitle(WindowSkinRecord& record, GraphicsObject& graphics, const Text& text, int clientWidth) {
    const RECT area = TitleArea(record, clientWidth);
    ClipTo(graphics, area);
    if (HICON icon = Skin_State().appIcon) {
        Flush(graphics);
        HDC dc = nullptr;
        if (Gdiplus::DllExports::GdipGetDC(graphics.get(), &dc) == Gdiplus::Ok) {
            DrawIconEx(dc, kFrameTitleLeft, kFrameTitleTop, icon, kIconSize, kIconSize, 0, nullptr, DI_NORMAL);
            Gdiplus::DllExports::GdipReleaseDC(graphics.get(), dc);
        }
    }
    const FloatRect box = Frame_TitleTextBox(record, clientWidth);
    const int style = record.titleFontBold == 1 ? 1 : 0;
    Text face = record.titleFontName;
    if (record.titleShadowColour == -1) {
        FontObject font;
        StringFormatObject format;
        SolidBrushObject brush;
        if (Font_CreateByName(font, face, static_cast<float>(record.titleFontSize), style, kUnitWorld) &&
            StringFormat_Create(format, kLineLimit, 0) &&
            SolidBrush_Create(brush, Color_ToArgb(static_cast<COLORREF>(record.titleTextColour))))
            Graphics_DrawString(graphics, text, font, brush, box, format);
    } else {
        Text_DrawOutlined(graphics, text, box, static_cast<COLORREF>(record.titleTextColour),
                          static_cast<COLORREF>(record.titleShadowColour), 1.0f, &face, style,
                          static_cast<float>(record.titleFontSize));
    }
    Graphics_ResetClip(graphics);
}

void Frame_DrawTitle(int position, const Text* text) {
    WindowSkinRecord* record = Skin_RecordAt(position);
    if (!record || !record->frameDC || !record->titleStripDC) return;
    const int width = ClientWidth(record->window);
    const RECT area = TitleArea(*record, width);
    {
        GraphicsObject graphics;
        if (!Graphics_FromDC(graphics, record->frameDC)) return;
        Restore(*record, graphics, area);
        Frame_PaintTitle(*record, graphics, text ? *text : Frame_WindowText(record->window), width);
        Flush(graphics);
    }
    Frame_ShowRect(*record, area);
}

void Frame_PaintCaptionButton(WindowSkinRecord& record, GraphicsObject& graphics, int button, CaptionLook look,
                              int opacity, bool composing) {
    if (button < 1 || button > static_cast<int>(record.captionButtons.size())) return;
    const RECT box = Frame_CaptionButtonArea(record, button);
    if (composing) {
        // Buttons are composed left to right over the clean strip; the glass starts one column left of the box, the
        // outline reaches the column right of it and the row below it.
        Restore(record, graphics, {box.left - 1, box.top, box.right + 1, box.bottom + 1});
        DrawButton(record, graphics, button, look, opacity);
        return;
    }
    // Afterwards only the box changes: no neighbour reaches into it, and the columns the button shares with its
    // neighbours keep what the composition left there.
    Restore(record, graphics, box);
    ClipTo(graphics, box);
    DrawButton(record, graphics, button, look, opacity);
    Graphics_ResetClip(graphics);
}

void Frame_DrawCaptionButton(int position, int button, CaptionLook look, int opacity) {
    WindowSkinRecord* record = Skin_RecordAt(position);
    if (!record || !record->frameDC || !record->titleStripDC) return;
    if (button < 1 || button > static_cast<int>(record->captionButtons.size())) return;
    {
        GraphicsObject graphics;
        if (!Graphics_FromDC(graphics, record->frameDC)) return;
        Graphics_SetSmoothingMode(graphics, kSmoothingAntiAlias);
        Frame_PaintCaptionButton(*record, graphics, button, look, opacity, false);
        Flush(graphics);
    }
    Frame_ShowRect(*record, Frame_CaptionButtonArea(*record, button));
}

void Frame_ReleaseCaches() {
    for (ImageObject& image : SpriteCache()) image.Delete();
}
