#include "app/globals.h"

#include "app/app.h"
#include "skin/core/skin_state.h"

void App_CreateGlobals() {}

void App_StartSkin() { Skin_Startup(); }

void App_ReleaseGlobals() {}

void App_OnMainWindowCreated() {}
