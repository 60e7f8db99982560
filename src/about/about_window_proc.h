#pragma once
// The Win32 side of the About window: its window procedure, the handles the constructor creates,
// and the seam through which the button opens the web page.
#include <windows.h>

/// The window procedure of the "TessalyWindowClass" class.
LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

/// The handles the constructor creates; the window procedure reads the title and the picture.
struct AboutHandles {
    HWND window;
    HWND title;
    HWND notice;
    HWND button;
    HBITMAP picture;
};
extern AboutHandles aboutHandles;

/// Opens address for the window's "Visit website" button. The default opens it with the shell's
/// "open" verb; tests put a recorder here instead of starting a browser.
using PageOpener = void (*)(HWND window, const char *address);
extern PageOpener aboutPageOpener;
