/* Prints where Wine keeps the About window: its outer rectangle (left, top, width, height) and its
   client area (screen left, top, width, height). Without a window manager the X window shows the
   client area only, so the outer rectangle has to come from Wine itself. Exit code 1: no window. */
#include <stdio.h>
#include <windows.h>

int main(void) {
    HWND window = FindWindowA("TessalyWindowClass", "About");
    RECT outer, client;
    POINT origin = {0, 0};
    if (!window) return 1;
    GetWindowRect(window, &outer);
    GetClientRect(window, &client);
    ClientToScreen(window, &origin);
    printf("%ld %ld %ld %ld %ld %ld %ld %ld\n", outer.left, outer.top, outer.right - outer.left,
           outer.bottom - outer.top, origin.x, origin.y, client.right, client.bottom);
    return 0;
}
