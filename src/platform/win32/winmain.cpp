// The Windows entry point: the screensaver host starts us with "/s", "/p <hwnd>", "/c" or nothing.
#include <windows.h>

#include "app/launcher.h"

int WINAPI WinMain(HINSTANCE instance, HINSTANCE /*previous*/, LPSTR commandLine, int showCommand) {
    return launch(commandLine, instance, showCommand);
}
