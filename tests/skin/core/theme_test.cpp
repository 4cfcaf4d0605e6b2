// The global look: start values, options, theme setting with the refresh of dressed windows, date-seeded colour
// sampling, and background painting probed in a 32-bit DIB section.
#include "image/bitmap_object.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "tests/support/gdi_probe.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <cstdlib>
#include <memory>
#include <vector>

namespace {

constexpr Argb kRed = 0xFFFF0000, kGreen = 0xFF00FF00;
constexpr COLORREF kBlueGdi = 0x00FF0000;

// A PNG picture of width x height whose pixel colour is colourAt(x, y).
template <typename ColourAt>
Bytes MakePng(int width, int height, ColourAt colourAt) {
    BitmapObject bitmap;
    if (!Bitmap_Create(bitmap, width, height)) return {};
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) Bitmap_SetPixel(bitmap, x, y, colourAt(x, y));
    return Image_SaveToBytes(bitmap, kImageFormatPng);
}

using Surface = DibSurface;

bool Near(uint32_t actual, uint32_t expected, int tolerance) {
    for (int shift = 0; shift < 24; shift += 8) {
        const int a = (actual >> shift) & 0xFF, e = (expected >> shift) & 0xFF;
        if (std::abs(a - e) > tolerance) return false;
    }
    return true;
}

class SkinTheme : public testing::Test {
protected:
    static void SetUpTestSuite() { ASSERT_TRUE(Skin_Startup()); }
    void SetUp() override {
        Skin_Startup();
        Skin_SetTheme({}, {}, 0, {}, 0);  // base colour black, no picture
    }
    void TearDown() override {
        Skin_ClearRegistry();
        for (HWND window : windows_) DestroyWindow(window);
        Skin_SetFrameRefresh(nullptr);
    }
    // A dressed-window record over a popup window with the given client size; gives its position.
    int Dress(int width, int height, bool visible = false) {
        HWND window = CreateWindowExW(0, L"STATIC", L"", WS_POPUP | (visible ? WS_VISIBLE : 0), 0, 0, width, height,
                                      nullptr, nullptr, nullptr, nullptr);
        windows_.push_back(window);
        auto record = std::make_unique<WindowSkinRecord>();
        record->window = window;
        record->tintColour = -1;
        return Skin_AppendRecord(std::move(record));
    }
    Surface Paint(int position, int width, int height) {
        Surface surface(width, height);
        GraphicsObject graphics;
        EXPECT_TRUE(Graphics_FromDC(graphics, surface.dc()));
        EXPECT_TRUE(Skin_PaintBackground(position, graphics));
        return surface;
    }
    std::vector<HWND> windows_;
};

TEST_F(SkinTheme, StartupResetsSwitchesAndStartsGdiplusOnce) {
    const ULONG_PTR token = Skin_State().gdiplusToken;
    EXPECT_NE(token, 0u);
    Skin_SetOptions(0, 7, 0);
    Skin_SetTheme({}, {}, {}, 99);
    Skin_State().firstSizePending = 0;
    ASSERT_TRUE(Skin_Startup());
    const SkinState& state = Skin_State();
    EXPECT_EQ(state.gdiplusToken, token);
    EXPECT_EQ(state.skinControls, 1);
    EXPECT_EQ(state.controlFillAlpha, 160);
    EXPECT_EQ(state.drawOutline, 1);
    EXPECT_EQ(state.themeColour, 14535202u);
    EXPECT_EQ(state.firstSizePending, 1);
    EXPECT_EQ(state.wideHoverBorder, 1);
    EXPECT_EQ(state.frameBorder, 0);
    // The test program carries no icon resource: the icon is simply absent.
    EXPECT_EQ(state.appIcon, LoadIconW(GetModuleHandleW(nullptr), L"DEFAULT_ICON"));
}

TEST_F(SkinTheme, OptionsGivenOrOmitted) {
    struct Case {
        std::optional<int> alpha, outline;
        int fillAlpha, translucent, drawOutline;
    };
    const Case cases[] = {
        {0, 0, 0, 1, 0},        {{}, {}, 160, 0, 1}, {200, {}, 200, 1, 1},
        {{}, 0, 160, 0, 0},     {300, 1, 255, 1, 1}, {-5, 1, 0, 1, 1},
    };
    for (const Case& c : cases) {
        Skin_SetOptions(0, c.alpha, c.outline);
        const SkinState& state = Skin_State();
        EXPECT_EQ(state.skinControls, 0);
        EXPECT_EQ(state.controlFillAlpha, c.fillAlpha);
        EXPECT_EQ(state.translucentControls, c.translucent);
        EXPECT_EQ(state.drawOutline, c.drawOutline);
    }
}

TEST_F(SkinTheme, SamplingIsStableAndSpreadsOverThePicture) {
    const Bytes onePixel = MakePng(1, 1, [](int, int) { return Argb{0xFF123456}; });
    EXPECT_EQ(Skin_SampleColour(onePixel), std::optional<COLORREF>(0xFF563412));

    // Left half red, right half green: the mean lies near the middle only when positions cover both halves.
    const Bytes halves = MakePng(40, 30, [](int x, int) { return x < 20 ? kRed : kGreen; });
    const std::optional<COLORREF> first = Skin_SampleColour(halves);
    ASSERT_TRUE(first);
    EXPECT_EQ(Skin_SampleColour(halves), first);
    EXPECT_EQ(*first >> 24, 0xFFu);
    EXPECT_NEAR(GetRValue(*first), 127, 20);
    EXPECT_NEAR(GetRValue(*first) + GetGValue(*first), 255, 1);  // each mean is truncated
    EXPECT_EQ(GetBValue(*first), 0);

    const unsigned char junk[] = {1, 2, 3, 4};
    EXPECT_FALSE(Skin_SampleColour(junk));
    EXPECT_FALSE(Skin_SampleColour(onePixel, 0));
    EXPECT_FALSE(Skin_SampleColourFile("C:\\no\\such\\picture.png"));
}

TEST_F(SkinTheme, SetThemeAppliesPictureBaseAndAccent) {
    const Bytes red = MakePng(4, 4, [](int, int) { return kRed; });
    const SkinState& state = Skin_State();

    ASSERT_TRUE(Skin_SetTheme({}, red, {}, -1, {}));
    EXPECT_EQ(state.themeBaseColour, 0xFF0000FFu);
    EXPECT_EQ(state.themeColour, state.themeBaseColour);
    EXPECT_EQ(state.themePictureMode, kPictureMirroredStrip);
    EXPECT_EQ(state.themePicture, red);

    ASSERT_TRUE(Skin_SetTheme({}, red, kBlueGdi, 0x123456, 3));
    EXPECT_EQ(state.themeBaseColour, kBlueGdi);
    EXPECT_EQ(state.themeColour, 0x123456u);
    EXPECT_EQ(state.themePictureMode, 3);

    // Nothing to apply: only the accent colour goes back to its default.
    ASSERT_TRUE(Skin_SetTheme());
    EXPECT_EQ(state.themeColour, kDefaultThemeColour);
    EXPECT_EQ(state.themePicture, red);

    // Only a base colour: the picture goes.
    ASSERT_TRUE(Skin_SetTheme({}, {}, 0x00ABCDEF, -1));
    EXPECT_TRUE(state.themePicture.empty());
    EXPECT_EQ(state.themeBaseColour, 0x00ABCDEFu);
    EXPECT_EQ(state.themeColour, 0x00ABCDEFu);

    // An undecodable picture is no picture: reported, and nothing but the accent colour changes.
    const unsigned char junk[] = {0x89, 'P', 'N', 'G'};
    EXPECT_FALSE(Skin_SetTheme({}, junk, {}, 0x42));
    EXPECT_EQ(state.themeColour, 0x42u);
    EXPECT_EQ(state.themeBaseColour, 0x00ABCDEFu);
}

TEST_F(SkinTheme, SetThemeFromFileStoresPngAndRefreshesVisibleWindows) {
    const Bytes green = MakePng(3, 2, [](int, int) { return kGreen; });
    wchar_t directory[MAX_PATH], path[MAX_PATH];
    GetTempPathW(MAX_PATH, directory);
    GetTempFileNameW(directory, L"thm", 0, path);
    HANDLE file = CreateFileW(path, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, green.data(), static_cast<DWORD>(green.size()), &written, nullptr);
    CloseHandle(file);
    char narrow[MAX_PATH];
    WideCharToMultiByte(CP_ACP, 0, path, -1, narrow, MAX_PATH, nullptr, nullptr);

    static std::vector<int> refreshed;
    refreshed.clear();
    Skin_SetFrameRefresh([](int position) { refreshed.push_back(position); });
    Dress(20, 20, false);
    const int shown = Dress(20, 20, true);
    ValidateRect(windows_.back(), nullptr);

    const unsigned char junk[] = {1};
    ASSERT_TRUE(Skin_SetTheme(narrow, junk, {}, {}, 1));  // the file wins over the bytes
    DeleteFileW(path);
    EXPECT_EQ(Skin_State().themeBaseColour, 0xFF00FF00u);
    EXPECT_EQ(Skin_State().themePictureMode, 1);
    ImageObject stored;
    ASSERT_TRUE(Image_LoadFromBytes(stored, Skin_State().themePicture));
    EXPECT_EQ(Image_Format(stored), kImageFormatPng);
    EXPECT_EQ(refreshed, std::vector<int>{shown});
    EXPECT_TRUE(GetUpdateRect(windows_.back(), nullptr, FALSE));
}

TEST_F(SkinTheme, PaintsEveryPictureMode) {
    constexpr int kWidth = 32, kHeight = 24;
    // 8 x 8: the two left columns red, the rest green; the base colour is blue.
    const Bytes picture = MakePng(8, 8, [](int x, int) { return x < 2 ? kRed : kGreen; });
    struct Probe {
        int x, y;
        uint32_t colour;  // 0x00RRGGBB
    };
    struct Case {
        int mode;
        std::vector<Probe> probes;
    };
    constexpr uint32_t R = 0xFF0000, G = 0x00FF00, B = 0x0000FF;
    const Case cases[] = {
        {0, {{0, 3, R}, {5, 3, G}, {12, 3, B}, {3, 12, B}}},
        {1, {{24, 3, R}, {29, 3, G}, {20, 3, B}, {29, 12, B}}},
        {2, {{12, 8, R}, {17, 11, G}, {5, 5, B}, {17, 20, B}}},
        {3, {{3, 12, R}, {20, 2, G}, {20, 20, G}, {26, 18, G}}},
        {4, {{0, 3, R}, {5, 3, G}, {14, 3, R}, {15, 3, R}, {16, 3, R}, {11, 3, G}, {31, 3, R}, {5, 12, B}}},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "mode " << c.mode);
        ASSERT_TRUE(Skin_SetTheme({}, picture, kBlueGdi, {}, c.mode));
        const int position = Dress(kWidth, kHeight);
        Surface surface = Paint(position, kWidth, kHeight);
        for (const Probe& p : c.probes)
            EXPECT_PRED3(Near, surface.At(p.x, p.y), p.colour, 3) << "at " << p.x << "," << p.y;
    }

    // A window's own picture and colour take precedence over the theme.
    const int own = Dress(kWidth, kHeight);
    WindowSkinRecord& record = *Skin_RecordAt(own);
    record.picture = MakePng(4, 4, [](int, int) { return kGreen; });
    record.pictureColour = 0x0000FF;  // red
    record.pictureMode = 1;
    Surface surface = Paint(own, kWidth, kHeight);
    EXPECT_PRED3(Near, surface.At(30, 2), G, 3);
    EXPECT_PRED3(Near, surface.At(2, 2), R, 3);
    GraphicsObject none;
    EXPECT_FALSE(Skin_PaintBackground(99, none));
}

TEST_F(SkinTheme, WashAndGloss) {
    constexpr int kWidth = 16, kHeight = 30, kTitle = 10;
    ASSERT_TRUE(Skin_SetTheme({}, {}, kBlueGdi));  // plain blue (0x0000FF in the DIB)
    struct Case {
        int tintColour, tintAlpha, gloss;
        uint32_t titleTop, titleBottom, body;
    };
    const Case cases[] = {
        {-1, 200, 1, 0x9696FF, 0x0202FF, 0x0000FF},  // no wash, white gloss (tint below 1)
        {0, 0, 1, 0x9696FF, 0x0202FF, 0x0000FF},     // black tint still glosses white
        {0x0000FF, 128, 0, 0x80007F, 0x80007F, 0x80007F},  // red wash over everything
        {0x0000FF, 255, 1, 0x3300CC, 0xF6000A, 0xFF0000},  // tint gloss from opacity 51 to 255
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(testing::Message() << "tint " << c.tintColour << " gloss " << c.gloss);
        const int position = Dress(kWidth, kHeight);
        WindowSkinRecord& record = *Skin_RecordAt(position);
        record.tintColour = c.tintColour;
        record.tintAlpha = c.tintAlpha;
        record.titleGloss = c.gloss;
        record.titleHeight = kTitle;
        Surface surface = Paint(position, kWidth, kHeight);
        EXPECT_PRED3(Near, surface.At(8, 0), c.titleTop, 8);
        EXPECT_PRED3(Near, surface.At(8, kTitle - 1), c.titleBottom, 16);
        EXPECT_PRED3(Near, surface.At(8, kTitle + 5), c.body, 3);
    }
}

}  // namespace
