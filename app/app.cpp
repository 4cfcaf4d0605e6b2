#include "app/app.h"

#include "app/extraction_job.h"
#include "app/globals.h"
#include "app/main_form.h"
#include "app/runtime.h"

namespace {

void (*g_jobRoutine)() = ExtractionJob;

} // namespace

void App_SetJobRoutine(void (*routine)()) { g_jobRoutine = routine ? routine : ExtractionJob; }

void App_OnExtractClicked() { Runtime_StartThread(g_jobRoutine); }

int App_Start() {
    if (!Runtime_Startup()) return 1;
    App_CreateGlobals();
    Runtime_RegisterExit(App_ReleaseGlobals);
    App_StartSkin();
    if (!Runtime_LoadWindow(MainWindow_Form(App_OnMainWindowCreated, App_OnExtractClicked))) return 1;
    Runtime_MessageLoop();
    return 0;
}
