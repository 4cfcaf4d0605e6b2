// The skin engine's global look: the theme picture laid behind every dressed window, the colours derived from it,
// the switches the painters read, and the engine's start-up. User-interface thread only.
#pragma once

#include <windows.h>

#include <optional>
#include <string_view>

#include "image/graphics_object.h"
#include "toolkit/text.h"

// Picture placement in a client area, for the theme picture and a window's own picture alike.
enum SkinPictureMode : int {
    kPictureTopLeft = 0,
    kPictureTopRight = 1,
    kPictureCentred = 2,
    kPictureStretched = 3,
    kPictureMirroredStrip = 4,  // repeated across the width at the top, every second copy mirrored left to right
};

inline constexpr COLORREF kDefaultThemeColour = 14535202;  // red 34, green 202, blue 221
inline constexpr int kDefaultControlFillAlpha = 160;
inline constexpr int kThemeSampleCount = 2000;

struct SkinState {
    ULONG_PTR gdiplusToken = 0;   // kept for the frame procedure's shutdown on WM_QUIT
    HICON appIcon = nullptr;      // shared resource icon (LoadIcon): never destroyed; null when the module has none
    int skinControls = 1;         // 0: dressing registers no child controls
    int controlFillAlpha = kDefaultControlFillAlpha;  // opacity of the white veil behind translucent controls
    int translucentControls = 0;
    int drawOutline = 1;          // track bars draw a faint outline
    COLORREF themeColour = kDefaultThemeColour;       // accent colour of the control painters
    COLORREF themeBaseColour = 0;                     // fill under the theme picture
    int themePictureMode = kPictureTopLeft;
    Bytes themePicture;           // any format GDI+ decodes; empty: no theme picture
    int frameBorder = 0;          // set to 3 by every dressing
    int firstSizePending = 1;     // cleared by the first WM_SIZE of any dressed window
    int wideHoverBorder = 1;
};

SkinState& Skin_State();

// Starts GDI+ (once per process; a later call keeps the first token), loads the program icon (resource 129, else
// "DEFAULT_ICON"; null when the module has neither) and resets the switches and the accent colour to their start
// values. False when GDI+ could not be started.
bool Skin_Startup();

// controlFillAlpha, when given, is clamped to 0..255 and makes controls translucent; omitted, the veil goes back to
// 160 and controls are opaque. drawOutline omitted reads as 1.
void Skin_SetOptions(int skinControls, std::optional<int> controlFillAlpha = {}, std::optional<int> drawOutline = {});

// Sets the accent colour (omitted: the default; -1: follow the base colour) and, when a picture file is named
// (non-empty path), a picture is given or a base colour is given, the theme picture, base colour and picture mode
// (omitted: 4), then refreshes every visible dressed window. The file takes precedence over the picture bytes.
// A picture that cannot be decoded counts as no picture. False when a picture was given but could not be used.
bool Skin_SetTheme(std::string_view pictureFile = {}, ByteView picture = {}, std::optional<COLORREF> baseColour = {},
                   std::optional<int> themeColour = {}, std::optional<int> pictureMode = {});

// The mean colour of sampleCount pixels at pseudo-random positions spread over the picture, 255 in the top byte.
// Positions depend on the current date and the sample number only, so one picture gives one colour all day.
// Nothing when the picture cannot be decoded, is empty or sampleCount is less than 1.
std::optional<COLORREF> Skin_SampleColour(ByteView picture, int sampleCount = kThemeSampleCount);
std::optional<COLORREF> Skin_SampleColourFile(std::string_view pictureFile, int sampleCount = kThemeSampleCount);

// Paints the background of the window of the record at position on graphics, which covers its client area: base
// or picture colour, the picture in its mode, the tint wash and the title gloss. False when there is no such
// record or the window has no client area.
bool Skin_PaintBackground(int position, GraphicsObject& graphics);

// What a theme change does to each visible dressed window before it is invalidated: rebuild its frame without
// presenting it and mark its controls for repainting. Installed by the frame composition; none by default.
using SkinFrameRefresh = void (*)(int position);
void Skin_SetFrameRefresh(SkinFrameRefresh refresh);
