// Windows side of the platform seam: message boxes, resources, the named event, the version,
// the host window and the OpenGL library, each with the Win32 calls the program is known by.
#include <windows.h>

#include <cstdlib>

#include "platform/platform.h"
#include "platform/win32/host_window.h"

namespace platform {

void showMessageBox(const char *text, const char *caption, unsigned style) {
    MessageBoxA(nullptr, text, caption, style);
}

TextResource findTextResource(std::uint16_t id) {
    HRSRC found = FindResourceA(nullptr, MAKEINTRESOURCEA(id), "TEXTFILE");
    if (found == nullptr) return {nullptr, 0};
    HGLOBAL loaded = LoadResource(nullptr, found);
    DWORD size = SizeofResource(nullptr, found);
    return {static_cast<const char *>(LockResource(loaded)), size};
}

bool claimSingleInstance(const char *name) {
    wchar_t wideName[64] = {};
    MultiByteToWideChar(CP_ACP, 0, name, -1, wideName, 63);
    HANDLE event = CreateEventW(nullptr, TRUE, FALSE, wideName);
    if (GetLastError() == ERROR_ALREADY_EXISTS) {
        CloseHandle(event);
        return false;
    }
    // The handle stays open for the rest of the process: its name marks this instance.
    return true;
}

bool isLegacyWindows() {
    DWORD version = GetVersion();
    int major = LOBYTE(LOWORD(version));
    int minor = HIBYTE(LOWORD(version));
    return major * 10 + minor < 60;
}

bool hostWindowClientSize(HostWindow window, int &width, int &height) {
    RECT rect = {};
    bool measured = GetClientRect(toHwnd(window), &rect) != 0;
    width = rect.right - rect.left;
    height = rect.bottom - rect.top;
    return measured;
}

bool hostWindowEnabled(HostWindow window) { return IsWindowEnabled(toHwnd(window)) != 0; }

void *openGlLibrary() { return LoadLibraryA("opengl32.dll"); }

void closeGlLibrary(void *library) { FreeLibrary(static_cast<HMODULE>(library)); }

void *driverProcAddress(const char *name) { return reinterpret_cast<void *>(wglGetProcAddress(name)); }

void *libraryProcAddress(void *library, const char *name) {
    return reinterpret_cast<void *>(GetProcAddress(static_cast<HMODULE>(library), name));
}

void exitProcess() { std::exit(0); }

} // namespace platform
