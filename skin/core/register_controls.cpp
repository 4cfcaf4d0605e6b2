#include "skin/core/register_controls.h"

#include "skin/core/skin_state.h"
#include "skin/painters/basic/button_painter.h"
#include "skin/painters/basic/edit_combo.h"
#include "skin/painters/lists/header_painter.h"
#include "skin/painters/lists/list_painter.h"
#include "skin/painters/lists/progress_bar.h"
#include "skin/painters/lists/toolbar_painter.h"
#include "skin/painters/lists/track_bar.h"
#include "skin/painters/lists/up_down.h"

void Skin_RegisterChildControls(int n, HWND window) {
    if (Skin_State().skinControls) {
        Button_Register(n, window);
        Button_RegisterChecks(n, window);
        EditCombo_Register(n, window);
        TrackBar_Register(n, window);
        Progress_Register(n, window);
        List_Register(n, window);
        UpDown_Register(n, window);
        Header_Register(n, window);
    }
    Toolbar_Register(n, window);
}
