#include "app/main_form.h"

#include "app/site.h"

WindowForm MainWindow_Form(void (*created)(), void (*clicked)()) {
    // No native caption or sizing border: the skin draws the frame. A minimise box, no maximise box,
    // and a taskbar button.
    const DWORD windowStyle = WS_POPUP | WS_SYSMENU | WS_MINIMIZEBOX;
    const DWORD outputStyle = ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | WS_VSCROLL | WS_TABSTOP;
    return WindowForm{
        "窗口", "拾贝", 50, 50, 380, 429, windowStyle, WS_EX_APPWINDOW, created,
        {
            {"标签2", ControlKind::Label, 40, 392, 184, 27, "北窗客", SS_LEFT, 0, {}, nullptr},
            {"编辑框2", ControlKind::Edit, 16, 72, 344, 312, "     拾贝宝箱\r\n  复制本处文本到迅雷下载", outputStyle,
             WS_EX_CLIENTEDGE, FontForm{-24, FW_NORMAL, GB2312_CHARSET, ""}, nullptr},
            {"标签1", ControlKind::Label, 8, 33, 61, 24, "输入网址：", SS_LEFT, 0, {}, nullptr},
            {"编辑框1", ControlKind::Edit, 69, 29, 225, 32, kDefaultTopicAddress, ES_AUTOHSCROLL | WS_TABSTOP,
             WS_EX_CLIENTEDGE, {}, nullptr},
            {"按钮1", ControlKind::Button, 296, 29, 72, 32, "点击提取", BS_PUSHBUTTON | WS_TABSTOP, 0, {}, clicked},
        }};
}
