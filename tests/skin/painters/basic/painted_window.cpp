#include "tests/skin/painters/basic/painted_window.h"


#include "skin/core/skin_registry.h"
#include "skin/painters/basic/button_painter.h"
#include "tests/skin/hand_dressed.h"

namespace {

constexpr wchar_t kHostClass[] = L"ShibeiPaintedHost";

LRESULT CALLBACK HostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_DRAWITEM: {
        const auto* item = reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
        PaintedWindow::DrawItemStates().push_back(item->itemState);
        Button_RelayDrawItem(item);
        return TRUE;
    }
    case WM_COMMAND:
        PaintedWindow::Notifications().push_back(HIWORD(wParam));
        return 0;
    default:
        return DefWindowProcW(window, message, wParam, lParam);
    }
}

uint32_t* Bits(HDC dc) {
    GdiFlush();
    DIBSECTION dib{};
    GetObjectW(GetCurrentObject(dc, OBJ_BITMAP), sizeof dib, &dib);
    return static_cast<uint32_t*>(dib.dsBm.bmBits);
}

}  // namespace

PaintedWindow::PaintedWindow() {
    static const bool registered = [] {
        WNDCLASSW wc{};
        wc.lpfnWndProc = HostProc;
        wc.hInstance = GetModuleHandleW(nullptr);
        wc.hCursor = LoadCursorW(nullptr, IDC_ARROW);
        wc.lpszClassName = kHostClass;
        return RegisterClassW(&wc) != 0;
    }();
    (void)registered;
    DrawItemStates().clear();
    Notifications().clear();
    window_ = CreateWindowExW(0, kHostClass, L"host", WS_POPUP | WS_VISIBLE, 40, 40, kWidth, kHeight, nullptr,
                              nullptr, GetModuleHandleW(nullptr), nullptr);
    position_ = HandDressed_Append(window_, kWidth, kHeight, HandDressed_Surface(kWidth, kHeight, kBackground),
                                   HandDressed_Surface(kWidth, kHeight, kBackground));
    Skin_RecordAt(position_)->active = 1;
    SetForegroundWindow(window_);
    SetActiveWindow(window_);
    Pump();
}

PaintedWindow::~PaintedWindow() {
    DestroyWindow(window_);
    Skin_ClearRegistry();
    Pump();
}

WindowSkinRecord& PaintedWindow::record() const { return *Skin_RecordAt(position_); }

HWND PaintedWindow::Child(const wchar_t* className, const wchar_t* text, DWORD style, int x, int y, int width,
                          int height) {
    return CreateWindowExW(0, className, text, WS_CHILD | WS_VISIBLE | style, x, y, width, height, window_, nullptr,
                           GetModuleHandleW(nullptr), nullptr);
}

uint32_t PaintedWindow::CopyAt(int x, int y) const {
    return Bits(record().frameCopyDC)[(kHeight - 1 - y) * kWidth + x] & 0xFFFFFF;
}

void PaintedWindow::FillCopy(const RECT& area, uint32_t colour) const {
    uint32_t* bits = Bits(record().frameCopyDC);
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x) bits[(kHeight - 1 - y) * kWidth + x] = colour;
}

std::vector<UINT>& PaintedWindow::DrawItemStates() {
    static std::vector<UINT> states;
    return states;
}

std::vector<UINT>& PaintedWindow::Notifications() {
    static std::vector<UINT> codes;
    return codes;
}

void Pump() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageW(&message);
    }
}
