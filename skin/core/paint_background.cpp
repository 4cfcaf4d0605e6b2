#include "skin/core/skin_state.h"

#include "image/bitmap_object.h"
#include "skin/core/skin_registry.h"
#include "skin/draw/colour.h"

#include <algorithm>

namespace {

constexpr int kWrapModeTileFlipX = 1;

// The picture repeated across width at its own height, every second copy mirrored, drawn at the top.
bool DrawMirroredStrip(GraphicsObject& graphics, const ImageObject& picture, int width, int pictureHeight) {
    BitmapObject strip;
    if (!Bitmap_Create(strip, width, pictureHeight)) return false;
    {
        GraphicsObject stripGraphics;
        TextureBrushObject texture;
        if (!Graphics_FromImage(stripGraphics, strip) || !TextureBrush_Create(texture, picture, kWrapModeTileFlipX))
            return false;
        Graphics_FillRectangle(stripGraphics, texture, 0, 0, static_cast<float>(width),
                               static_cast<float>(pictureHeight));
    }
    return Graphics_DrawImageScaled(graphics, strip, 0, 0, static_cast<float>(width),
                                    static_cast<float>(pictureHeight));
}

// Natural size means the picture's pixel size, whatever resolution its file records.
void DrawPicture(GraphicsObject& graphics, ByteView bytes, int mode, int width, int height) {
    ImageObject picture;
    if (!Image_LoadFromBytes(picture, bytes)) return;  // an undecodable picture counts as none
    const int pictureWidth = static_cast<int>(Image_Width(picture));
    const int pictureHeight = static_cast<int>(Image_Height(picture));
    if (pictureWidth <= 0 || pictureHeight <= 0) return;
    float x = 0, y = 0;
    float drawWidth = static_cast<float>(pictureWidth), drawHeight = static_cast<float>(pictureHeight);
    switch (mode) {
        case kPictureTopRight:
            x = static_cast<float>(width - pictureWidth);
            break;
        case kPictureCentred:
            x = static_cast<float>((width - pictureWidth) / 2);
            y = static_cast<float>((height - pictureHeight) / 2);
            break;
        case kPictureStretched:
            drawWidth = static_cast<float>(width);
            drawHeight = static_cast<float>(height);
            break;
        case kPictureMirroredStrip:
            DrawMirroredStrip(graphics, picture, width, pictureHeight);
            return;
        default:
            break;
    }
    Graphics_DrawImageScaled(graphics, picture, x, y, drawWidth, drawHeight);
}

void FillArgb(GraphicsObject& graphics, Argb colour, int x, int y, int width, int height) {
    SolidBrushObject brush;
    if (SolidBrush_Create(brush, colour))
        Graphics_FillRectangle(graphics, brush, static_cast<float>(x), static_cast<float>(y),
                               static_cast<float>(width), static_cast<float>(height));
}

}  // namespace

bool Skin_PaintBackground(int position, GraphicsObject& graphics) {
    const WindowSkinRecord* record = Skin_RecordAt(position);
    RECT client{};
    if (!record || !graphics || !GetClientRect(record->window, &client)) return false;
    const int width = client.right - client.left;
    const int height = client.bottom - client.top;
    if (width <= 0 || height <= 0) return false;
    const SkinState& state = Skin_State();

    const bool ownPicture = !record->picture.empty();
    Graphics_Clear(graphics, Color_ToArgb(ownPicture ? record->pictureColour : state.themeBaseColour));
    if (ownPicture) {
        DrawPicture(graphics, record->picture, record->pictureMode, width, height);
    } else if (!state.themePicture.empty()) {
        DrawPicture(graphics, state.themePicture, state.themePictureMode, width, height);
    }

    const bool gloss = record->titleGloss == 1;
    const int titleHeight = gloss ? std::max(0, std::min(record->titleHeight, height)) : 0;
    if (record->tintColour >= 0 && height > titleHeight)
        FillArgb(graphics, Color_ToArgb(record->tintColour, record->tintAlpha), 0, titleHeight, width,
                 height - titleHeight);
    if (gloss && titleHeight > 0) {
        const bool white = record->tintColour < 1;
        const Argb top = white ? Color_ToArgb(0xFFFFFF, 150)
                               : Color_ToArgb(record->tintColour, static_cast<int>(record->tintAlpha * 0.2));
        const Argb bottom = white ? Color_ToArgb(0xFFFFFF, 0) : Color_ToArgb(record->tintColour, record->tintAlpha);
        LinearGradientBrushObject band;
        if (LinearBrush_Create(band, {0, 0}, {0, static_cast<float>(titleHeight)}, top, bottom))
            Graphics_FillRectangle(graphics, band, 0, 0, static_cast<float>(width), static_cast<float>(titleHeight));
    }
    return true;
}
