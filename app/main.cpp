#include "app/app.h"
#include "app/runtime.h"

#include <windows.h>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int) {
    const int result = App_Start();
    Runtime_Exit();
    return result;
}
