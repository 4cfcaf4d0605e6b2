#include "skin/core/skin_state.h"

#include "image/bitmap_object.h"
#include "skin/core/skin_registry.h"

#include <algorithm>
#include <cstdint>

namespace {

SkinFrameRefresh g_frameRefresh = nullptr;

std::uint64_t Mix(std::uint64_t value) {
    value += 0x9E3779B97F4A7C15ull;
    value = (value ^ (value >> 30)) * 0xBF58476D1CE4E5B9ull;
    value = (value ^ (value >> 27)) * 0x94D049BB133111EBull;
    return value ^ (value >> 31);
}

// The generator is reseeded for every coordinate from the date, the sample number and the axis.
unsigned SamplePosition(std::uint64_t day, int sample, int axis, unsigned extent) {
    return static_cast<unsigned>(Mix(Mix(day) ^ (static_cast<std::uint64_t>(sample) << 1 | axis)) % extent);
}

std::optional<COLORREF> SampleBitmap(const BitmapObject& bitmap, int sampleCount) {
    const unsigned width = Image_Width(bitmap);
    const unsigned height = Image_Height(bitmap);
    if (!bitmap || sampleCount < 1 || width == 0 || height == 0) return std::nullopt;
    SYSTEMTIME now;
    GetLocalTime(&now);
    const std::uint64_t day = now.wYear * 10000ull + now.wMonth * 100ull + now.wDay;
    std::uint64_t red = 0, green = 0, blue = 0;
    for (int n = 1; n <= sampleCount; ++n) {
        const Argb pixel = Bitmap_GetPixel(bitmap, static_cast<int>(SamplePosition(day, n, 0, width)),
                                           static_cast<int>(SamplePosition(day, n, 1, height)));
        red += (pixel >> 16) & 0xFF;
        green += (pixel >> 8) & 0xFF;
        blue += pixel & 0xFF;
    }
    return 0xFF000000u | RGB(red / sampleCount, green / sampleCount, blue / sampleCount);
}

void RefreshDressedWindows() {
    // The registry is read again on every step: a frame rebuild may end a window.
    for (int position = 1; position <= static_cast<int>(Skin_Registry().size()); ++position) {
        const WindowSkinRecord* record = Skin_RecordAt(position);
        if (!record || !record->window || !IsWindowVisible(record->window)) continue;
        const HWND window = record->window;
        if (g_frameRefresh) g_frameRefresh(position);
        InvalidateRect(window, nullptr, FALSE);
        for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
            if (IsWindowVisible(child)) InvalidateRect(child, nullptr, TRUE);
        }
    }
}

}  // namespace

SkinState& Skin_State() {
    static SkinState state;
    return state;
}

void Skin_SetFrameRefresh(SkinFrameRefresh refresh) { g_frameRefresh = refresh; }

bool Skin_Startup() {
    SkinState& state = Skin_State();
    if (!state.gdiplusToken) {
        Gdiplus::GdiplusStartupInput input;  // version 1
        ULONG_PTR token = 0;
        if (GdiPlus_Record(Gdiplus::GdiplusStartup(&token, &input, nullptr))) state.gdiplusToken = token;
    }
    const HINSTANCE module = GetModuleHandleW(nullptr);
    state.appIcon = LoadIconW(module, MAKEINTRESOURCEW(129));
    if (!state.appIcon) state.appIcon = LoadIconW(module, L"DEFAULT_ICON");
    state.skinControls = 1;
    state.controlFillAlpha = kDefaultControlFillAlpha;
    state.themeColour = kDefaultThemeColour;
    state.drawOutline = 1;
    state.firstSizePending = 1;
    state.wideHoverBorder = 1;
    return state.gdiplusToken != 0;
}

void Skin_SetOptions(int skinControls, std::optional<int> controlFillAlpha, std::optional<int> drawOutline) {
    SkinState& state = Skin_State();
    state.skinControls = skinControls;
    state.controlFillAlpha = controlFillAlpha ? std::clamp(*controlFillAlpha, 0, 255) : kDefaultControlFillAlpha;
    state.translucentControls = controlFillAlpha ? 1 : 0;
    state.drawOutline = drawOutline.value_or(1);
}

std::optional<COLORREF> Skin_SampleColour(ByteView picture, int sampleCount) {
    BitmapObject bitmap;
    if (picture.empty() || sampleCount < 1 || !Bitmap_LoadFromBytes(bitmap, picture)) return std::nullopt;
    return SampleBitmap(bitmap, sampleCount);
}

std::optional<COLORREF> Skin_SampleColourFile(std::string_view pictureFile, int sampleCount) {
    BitmapObject bitmap;
    if (pictureFile.empty() || sampleCount < 1 || !Bitmap_LoadFromFile(bitmap, pictureFile)) return std::nullopt;
    return SampleBitmap(bitmap, sampleCount);
}

bool Skin_SetTheme(std::string_view pictureFile, ByteView picture, std::optional<COLORREF> baseColour,
                   std::optional<int> themeColour, std::optional<int> pictureMode) {
    SkinState& state = Skin_State();
    const bool followBase = themeColour == -1;
    if (!followBase) state.themeColour = static_cast<COLORREF>(themeColour.value_or(kDefaultThemeColour));

    const bool pictureGiven = !pictureFile.empty() || !picture.empty();
    if (!pictureGiven && !baseColour) return true;

    std::optional<COLORREF> sampled;
    Bytes stored;
    if (pictureGiven) {
        if (!pictureFile.empty()) {
            // A named file is kept as PNG; modes 0 and 1 keep the picture as it is too.
            ImageObject image;
            if (Image_LoadFromFile(image, pictureFile)) stored = Image_SaveToBytes(image, kImageFormatPng);
            if (!stored.empty()) sampled = Skin_SampleColour(stored);
        } else {
            sampled = Skin_SampleColour(picture);
            if (sampled) stored.assign(picture.begin(), picture.end());
        }
        if (!sampled) stored.clear();
    }

    if (sampled) {
        state.themeBaseColour = baseColour.value_or(*sampled);
        state.themePictureMode = pictureMode.value_or(kPictureMirroredStrip);
        state.themePicture = std::move(stored);
    } else if (baseColour) {
        state.themePicture.clear();
        state.themeBaseColour = *baseColour;
    } else {
        return false;  // an undecodable picture and nothing else: only the accent colour changed
    }
    if (followBase) state.themeColour = state.themeBaseColour;
    RefreshDressedWindows();
    return !pictureGiven || sampled.has_value();
}
