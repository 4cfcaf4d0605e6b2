#pragma once

#include "app/runtime_form.h"

// The form of the main window 窗口 and its five controls.
WindowForm MainWindow_Form(void (*created)(), void (*clicked)());
