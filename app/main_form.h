#pragma once

#include "app/runtime_form.h"

// Control ids: the run time numbers controls from 1001 in creation order.
inline constexpr int kSignatureLabelId = 1001; // 标签2
inline constexpr int kOutputBoxId = 1002;      // 编辑框2
inline constexpr int kAddressLabelId = 1003;   // 标签1
inline constexpr int kAddressBoxId = 1004;     // 编辑框1
inline constexpr int kExtractButtonId = 1005;  // 按钮1

// The form of the main window 窗口 and its five controls.
WindowForm MainWindow_Form(void (*created)(), void (*clicked)());
