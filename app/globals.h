// The program's global lists: created empty at start, released once at exit.
#pragma once

void App_CreateGlobals();
void App_StartSkin();
