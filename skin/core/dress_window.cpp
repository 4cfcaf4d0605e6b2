#include "skin/core/dress_window.h"

#include <algorithm>
#include <memory>

#include "skin/core/caption_sprites.h"
#include "skin/core/caption_tooltip.h"
#include "skin/core/frame.h"
#include "skin/core/register_controls.h"
#include "skin/core/skin_registry.h"
#include "skin/core/skin_state.h"
#include "skin/core/control_registration.h"

namespace {

constexpr int kMinTitleHeight = 25;
constexpr int kButtonsHeight = 22;
constexpr int kButtonPitch = 27;

int Flag(int value) { return value != 0 ? 1 : 0; }

Bytes Sprite(CaptionSprite sprite) {
    const ByteView png = CaptionSprite_Png(sprite);
    return Bytes(png.begin(), png.end());
}

CaptionButton MakeButton(int kind, int width, CaptionSprite image, const char* tip) {
    CaptionButton button;
    button.width = width;
    button.height = 18;
    button.image = Sprite(image);
    if (kind == 1) button.altImage = Sprite(CaptionSprite::Restore);
    button.kind = kind;
    button.tipText = tip;
    return button;
}

RECT ButtonRect(const CaptionButton& button) {
    const LONG x = static_cast<LONG>(button.rect.x), y = static_cast<LONG>(button.rect.y);
    return {x, y, x + static_cast<LONG>(button.rect.width), y + static_cast<LONG>(button.rect.height)};
}

// Fills the record from the parameters, the window's style and the screen; the caption buttons get their sprites.
void FillRecord(WindowSkinRecord& record, HWND window, LONG_PTR style, const DressParams& params) {
    const SkinState& state = Skin_State();
    record.window = window;
    record.titleHeight = std::max(params.titleHeight.value_or(kMinTitleHeight), kMinTitleHeight);
    record.hasTitleBar = Flag(params.titleBar.value_or(1));
    record.resizable = Flag(params.resizable.value_or(1));
    record.showHelpButton = Flag(params.helpButton.value_or(0));
    record.showMenuButton = Flag(params.menuButton.value_or(0));
    record.showTitle = Flag(params.showTitle.value_or(1));
    record.titleGloss = Flag(params.titleGloss.value_or(0));
    record.pictureMode = params.pictureMode.value_or(state.themePictureMode);
    record.tintColour = params.tintColour.value_or(-1);
    record.tintAlpha = params.tintAlpha.value_or(255);
    record.showCloseButton = params.noCloseButton.value_or(0) != 0 ? 0 : record.hasTitleBar;
    record.showMinimizeButton = (style & WS_MINIMIZEBOX) ? 1 : 0;
    record.showMaximizeButton = (style & WS_MAXIMIZEBOX) ? 1 : 0;
    record.minTrackWidth = 200;
    record.minTrackHeight = 150;
    record.maxTrackWidth = GetSystemMetrics(SM_CXSCREEN);
    record.maxTrackHeight = GetSystemMetrics(SM_CYSCREEN);

    // A picture that cannot be decoded counts as none: the window then shows the theme.
    if (!params.picture.empty()) {
        if (const auto sampled = Skin_SampleColour(params.picture)) {
            record.picture = params.picture;
            record.pictureColour = static_cast<int>(*sampled);
        }
    }

    record.titleTextColour = RGB(255, 255, 255);
    record.titleShadowColour = RGB(128, 128, 128);
    record.titleFontName = "宋体";
    record.titleFontSize = 12;
    record.titleFontBold = 1;

    record.captionButtons.clear();
    if (record.showHelpButton) record.captionButtons.push_back(MakeButton(4, 26, CaptionSprite::Help, "帮助"));
    if (record.showMenuButton) record.captionButtons.push_back(MakeButton(3, 26, CaptionSprite::Menu, "主菜单"));
    if (record.showMinimizeButton)
        record.captionButtons.push_back(MakeButton(2, 26, CaptionSprite::Minimise, "最小化"));
    if (record.showMaximizeButton)
        record.captionButtons.push_back(MakeButton(1, 26, CaptionSprite::Maximise, "最大化"));
    if (record.showCloseButton) record.captionButtons.push_back(MakeButton(0, 38, CaptionSprite::Close, "关闭"));

    int widths = 0;
    for (const CaptionButton& button : record.captionButtons) widths += button.width;
    const int count = static_cast<int>(record.captionButtons.size());
    record.buttonsWidth = widths + (count - 1) + 3;
    record.buttonsHeight = kButtonsHeight;
    record.buttonsTop = 0;
}

}  // namespace

void Skin_DressWindow(HWND window, const DressParams& params) {
    if (!window || !IsWindow(window) || Skin_FindWindowRecord(window)) return;
    Frame_InstallHooks();

    LONG_PTR style = GetWindowLongPtrW(window, GWL_STYLE) & ~static_cast<LONG_PTR>(WS_CLIPCHILDREN);
    SetWindowLongPtrW(window, GWL_STYLE, style);
    RECT client{};
    GetClientRect(window, &client);
    Skin_State().frameBorder = 3;

    auto fresh = std::make_unique<WindowSkinRecord>();
    FillRecord(*fresh, window, style, params);
    fresh->buttonsLeft = client.right - Skin_State().frameBorder - fresh->buttonsWidth - 2;
    SetWindowLongPtrW(window, GWL_STYLE, style | WS_SYSMENU);

    const int n = Skin_AppendRecord(std::move(fresh));
    WindowSkinRecord& record = *Skin_RecordAt(n);
    record.composedWidth = client.right;
    record.composedHeight = client.bottom;

    if (params.titleBar.value_or(0) != 0) record.tooltip = Tooltip_Create(window);
    for (size_t i = 0; i < record.captionButtons.size(); ++i) {
        const UINT id = static_cast<UINT>(i + 1);
        Tooltip_AddTool(record.tooltip, window, id, ButtonRect(record.captionButtons[i]),
                        record.captionButtons[i].tipText);
        record.captionButtonCount = static_cast<int>(id);
    }
    Frame_LayoutCaptionButtons(record);
    // The status strip parameters are accepted and ignored: this engine draws no status strip.

    Skin_RegisterChildControls(n, window);
    record.dressed = 1;
    record.frameDirty = 1;
    // The frame procedure comes last: no frame message arrives before the record and its controls exist.
    Prop_SetInt(window, SkinProp::kListId, n);
    record.previousProc = Skin_Subclass(window, Frame_Procedure);
}

void Frame_LayoutCaptionButtons(WindowSkinRecord& record) {
    if (!record.window) return;
    RECT client{};
    GetClientRect(record.window, &client);
    record.buttonsLeft = client.right - record.buttonsWidth + 1;
    record.buttonsHeight = kButtonsHeight;
    for (size_t i = 0; i < record.captionButtons.size(); ++i) {
        CaptionButton& button = record.captionButtons[i];
        button.rect.x = static_cast<float>(record.buttonsLeft + 2 + kButtonPitch * static_cast<int>(i));
        button.rect.y = static_cast<float>(record.buttonsTop + 1);
        button.rect.width = button.kind == 0 ? 40.0f : 26.0f;
        button.rect.height = 18.0f;
        const UINT id = static_cast<UINT>(i + 1);
        Tooltip_SetToolRect(record.tooltip, record.window, id, ButtonRect(button));
        Tooltip_SetToolText(record.tooltip, record.window, id, button.tipText);
    }
}

bool Frame_InButtonGroup(const WindowSkinRecord& record, int x, int y) {
    return x >= record.buttonsLeft - 2 && x <= record.buttonsLeft + record.buttonsWidth && y <= record.buttonsHeight &&
           y >= 0;
}

int Frame_ButtonAt(const WindowSkinRecord& record, int x, int y) {
    if (x < record.buttonsLeft || y < record.buttonsTop || y > record.buttonsTop + record.buttonsHeight) return 0;
    const float fx = static_cast<float>(x), fy = static_cast<float>(y);
    for (size_t i = 0; i < record.captionButtons.size(); ++i) {
        const FloatRect& r = record.captionButtons[i].rect;
        if (fx > r.x && fx < r.x + r.width && fy > r.y && fy < r.y + r.height) return static_cast<int>(i) + 1;
    }
    return 0;
}
