#include "app/globals.h"

#include "app/app.h"

void App_CreateGlobals() {}

void App_StartSkin() {}

void App_ReleaseGlobals() {}

void App_OnMainWindowCreated() {}
