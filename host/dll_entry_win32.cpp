// The module's DLL entry point: nothing to set up or tear down on any attach or detach.
#include <windows.h>

extern "C" BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) {
    return TRUE;
}
