// The window that is active when the gauge is initialized.
#include "active_window.h"

#include <windows.h>

void* ActiveWindow() {
    return GetActiveWindow();
}
