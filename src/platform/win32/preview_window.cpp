// The preview on Windows draws in a child window of our own inside the host's window: a window of
// another process can take neither our pixel format nor our window procedure, and the screensaver
// host expects its preview area to receive a child anyway.
#include <windows.h>

#define GLFW_INCLUDE_NONE
#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>

#include "platform/platform.h"
#include "platform/win32/host_window.h"

namespace platform {

namespace {

constexpr wchar_t previewClassName[] = L"VorlunePreview";

bool registerPreviewClass() {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.style = CS_OWNDC; // a GL context keeps using the device context it was made on
    windowClass.lpfnWndProc = DefWindowProcW;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.lpszClassName = previewClassName;
    return RegisterClassExW(&windowClass) != 0 || GetLastError() == ERROR_CLASS_ALREADY_EXISTS;
}

} // namespace

GLFWwindow *attachPreviewWindow(HostWindow window) {
    HWND host = toHwnd(window);
    RECT area = {};
    if (!registerPreviewClass() || GetClientRect(host, &area) == 0) return nullptr;
    HWND child = CreateWindowExW(0, previewClassName, L"", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0,
                                 0, area.right, area.bottom, host, nullptr, GetModuleHandleW(nullptr), nullptr);
    if (child == nullptr) return nullptr;
    GLFWwindow *attached = glfwAttachWin32Window(child, nullptr);
    if (attached == nullptr) DestroyWindow(child);
    return attached;
}

} // namespace platform
