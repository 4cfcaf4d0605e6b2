// The skin engine's record of one dressed top-level window: frame state, caption buttons, drawing surfaces and
// one list per kind of painted control. Each list starts with one all-zero placeholder entry, which the first
// registration of that kind takes over (control_registration.h).
#pragma once

#include <windows.h>

#include <array>
#include <vector>

#include "image/gdiplus_object.h"
#include "toolkit/text.h"

// Window properties. Positions are 1-based; all of them die with their window.
namespace SkinProp {
inline constexpr const wchar_t* kListId = L"Hw_lbID";      // window: record position; control: entry position
inline constexpr const wchar_t* kOwnerId = L"Hw_FuID";     // control: position of the owning window's record
inline constexpr const wchar_t* kProc = L"Hw_hProc";       // the window procedure that was replaced
inline constexpr const wchar_t* kToolbarListId = L"Kj_lbID";
inline constexpr const wchar_t* kToolbarOwnerId = L"Kj_FuID";
inline constexpr const wchar_t* kToolbarProc = L"Kj_hProc";
inline constexpr const wchar_t* kTextColour = L"Kj_Ztys";
inline constexpr const wchar_t* kColourBrush = L"Kj_dxjb";
inline constexpr const wchar_t* kColourBitmap = L"Kj_wtjb";
inline constexpr const wchar_t* kFrameOldBitmap = L"Ck_Ycjdx";
inline constexpr const wchar_t* kFrameBitmap = L"Ck_wtjbdx";
inline constexpr const wchar_t* kScrollOwner = L"Mngd_zct";
}  // namespace SkinProp

struct CaptionButton {
    int width = 0;
    int height = 0;
    Bytes image;
    Bytes altImage;  // the restore sprite of the maximise button
    int kind = 0;    // 0 close, 1 maximise, 2 minimise, 3 menu, 4 help
    Text tipText;
    FloatRect rect;
};

// The start of every kind's entry; the painters add the fields of their own kind after these.
struct ControlSkinRecord {
    HWND control = nullptr;
    LONG_PTR previousProc = 0;
};

// Rectangles of one simulated scroll bar, in the companion's coordinates: start arrow, end arrow, thumb.
using ScrollBarGeometry = std::array<RECT, 3>;

struct ButtonEntry : ControlSkinRecord {
    int kind = 0;         // 0 push button, 4 radio button, 5 check box
    Text text;            // the window text, kept up to date through WM_SETTEXT
    int focused = 0;      // has the keyboard focus
    Text fontName;
    int fontSize = 0;     // pixels
    int fontStyle = 0;    // GDI+ FontStyle bits
    int pressed = 0;      // the left mouse button went down on it and has not come up
};
struct EditEntry : ControlSkinRecord {
    int focused = 0;
    int hovered = 0;
    int arrowKeyDown = 0;
    HWND verticalBar = nullptr;    // scroll bar companions; null when the edit box had no such scroll bar
    HWND horizontalBar = nullptr;
    int mouseDown = 0;             // the left button went down in the edit box and has not come up
    ScrollBarGeometry verticalBarGeometry{};
    ScrollBarGeometry horizontalBarGeometry{};
};
struct ListEntry : ControlSkinRecord {
    int focused = 0;
    int hovered = 0;
    int arrowKeyDown = 0;
    HWND verticalBar = nullptr;
    HWND horizontalBar = nullptr;
    ScrollBarGeometry verticalBarGeometry{};
    ScrollBarGeometry horizontalBarGeometry{};
    int dirty = 0;
    int mouseTracked = 0;
};
struct TrackBarEntry : ControlSkinRecord {
    int vertical = 0;        // TBS_VERT
    int tickPlacement = 0;   // 0 top or left, 1 bottom or right, 2 both sides, 3 no ticks
    int hovered = 0;
    int selectionRange = 0;  // TBS_ENABLESELRANGE
};
struct ProgressBarEntry : ControlSkinRecord {
    int vertical = 0;  // PBS_VERTICAL: fills from the bottom up
};
struct ComboEntry : ControlSkinRecord {
    int focused = 0;
};
struct UpDownEntry : ControlSkinRecord {
    int hovered = 0;             // 1 after a hovered redraw, 0 after the mouse left
    int hotHalf = 0;             // half under the mouse at the last move: 0 top or left, 1 bottom or right
    int pressed = 0;             // the left button is down on the control
    int horizontal = 0;          // UDS_HORZ
    LPARAM lastButtonPoint = 0;  // client point of the last left button down or up
};
struct HeaderEntry : ControlSkinRecord {
    int hovered = 0;
    int hotItem = 0;      // 1-based item under the mouse, 0 for none
    int lastHotItem = 0;  // the hot item of the last redraw
    int buttonStyle = 0;  // HDS_BUTTONS
    int pressedItem = 0;  // the hot item when the left button went down
    int pressed = 0;
    Text fontName;
    int fontStyle = 0;    // GDI+ style bits
    int fontSize = 0;
    HANDLE imageList = nullptr;  // HIMAGELIST read at registration; the header's owner keeps owning it
};
// Toolbars keep their positions and procedure under the Kj_ names, leaving Hw_ to their own child windows.
struct ToolbarEntry : ControlSkinRecord {
    static constexpr bool kToolbarProperties = true;
    int dirty = 0;         // draw all buttons afresh at the next paint instead of copying from the frame copy
    Text fontName;         // the toolbar's font, read once at registration
    int fontSize = 0;      // pixels
    int fontStyle = 0;     // GDI+ FontStyle bits
    int mouseTracked = 0;  // a leave notification has been asked for and has not come yet
};
// Labels keep no procedure of their own in the entry (the replaced one is in Hw_hProc).
struct LabelEntry {
    HWND control = nullptr;
    int alignment = 0;      // horizontal StringAlignment: 0 near, 1 centre, 2 far
    int lineAlignment = 0;  // vertical StringAlignment
    int wrap = 0;           // the text may run onto further lines
    int textColour = 0;
    int hasGlow = 0;
    int glowColour = 0;     // -1 when there is none
    Text fontName;
    int fontSize = 0;       // pixels
    int fontStyle = 0;      // GDI+ FontStyle bits
    int dirty = 0;          // draw afresh at the next paint instead of copying from the frame copy
};
struct ContainerEntry : ControlSkinRecord {
    int repaint = 0;
    int dirty = 0;
    LONG clientRight = 0;   // the client extent when the container was registered; children are clipped to it
    LONG clientBottom = 0;
};

struct FadeState {
    int position = 0;
    int step = 0;  // 0 to 8
};

// Owns its surfaces, bitmaps and tooltip window: the destructor releases whatever is still held.
struct WindowSkinRecord {
    WindowSkinRecord();
    ~WindowSkinRecord();
    WindowSkinRecord(const WindowSkinRecord&) = delete;
    WindowSkinRecord& operator=(const WindowSkinRecord&) = delete;

    HWND window = nullptr;
    int framePresented = 0;
    int wasHidden = 0;
    int moving = 0;
    int sizing = 0;
    int restoring = 0;
    int backgroundErased = 0;
    int active = 0;
    int titleHeight = 0;
    int showHelpButton = 0;
    int showMenuButton = 0;
    int showMinimizeButton = 0;
    int showMaximizeButton = 0;
    int showCloseButton = 0;
    int showTitle = 0;
    int titleGloss = 0;
    LONG_PTR previousProc = 0;
    Bytes picture;
    int pictureMode = 0;
    int pictureColour = 0;
    int tintColour = 0;
    int tintAlpha = 0;
    std::vector<CaptionButton> captionButtons;
    int buttonsLeft = 0;
    int buttonsTop = 0;
    int buttonsWidth = 0;
    int buttonsHeight = 0;
    HBITMAP titleStripOldBitmap = nullptr;
    HBITMAP titleStripBitmap = nullptr;
    int maximized = 0;
    int minimized = 0;
    int minTrackWidth = 0;
    int minTrackHeight = 0;
    int maxTrackWidth = 0;
    int maxTrackHeight = 0;
    int resizable = 0;
    int hasTitleBar = 0;
    int titleTextColour = 0;
    int titleShadowColour = 0;
    Text titleFontName;
    int titleFontSize = 0;
    int titleFontBold = 0;
    int hotButton = 0;
    int hoverKind = 0;
    int editHover = 0;
    HWND tooltip = nullptr;
    std::vector<ButtonEntry> buttons;
    std::vector<EditEntry> editBoxes;
    std::vector<ListEntry> listControls;
    std::vector<TrackBarEntry> trackBars;
    std::vector<ProgressBarEntry> progressBars;
    std::vector<ComboEntry> comboBoxes;
    std::vector<UpDownEntry> upDowns;
    std::vector<HeaderEntry> headers;
    std::vector<ToolbarEntry> toolbars;
    std::vector<LabelEntry> labels;
    int frameDirty = 0;
    HDC frameDC = nullptr;
    HDC titleStripDC = nullptr;
    HDC frameCopyDC = nullptr;
    int hoverPainted = 0;
    int hoverItem = 0;
    int captionButtonCount = 0;
    int dressed = 0;
    std::vector<ContainerEntry> containers;
    int mouseTracked = 0;
    FadeState fadeIn;
    FadeState fadeOut;
    int fadeTimerOn = 0;
    int composedWidth = 0;
    int composedHeight = 0;
};

// Releases the record's surfaces now, in the order they were built: each DC gets its original bitmap back before
// the DC and the bitmap it held are deleted. Handles are zero afterwards; safe to call again.
void Skin_ReleaseSurfaces(WindowSkinRecord& record);

// How a whole-window copy DC (frameCopyDC) is released; the memory surface table installs its own. The default
// deletes the DC and the bitmap selected into it.
using SurfaceRelease = void (*)(HDC dc);
void Skin_SetSurfaceRelease(SurfaceRelease release);
