#pragma once
// The operating-system seam. Everything outside src/platform/ reaches the system through these
// functions; win32/ and posix/ each implement all of them. A function belongs here only when the
// two systems need different code.
#include <cstddef>
#include <cstdint>

struct GLFWwindow;

namespace platform {

/// Message box styles the program uses (the Windows values).
inline constexpr unsigned iconInformation = 0x40;
inline constexpr unsigned iconExclamation = 0x30;

/// Shows a message box with no owner window and returns when it is dismissed.
/// posix: writes the caption and the text to standard error and returns at once.
void showMessageBox(const char *text, const char *caption, unsigned style);

/// The bytes of one "TEXTFILE" resource of the executable: no terminator, valid for the life of
/// the process. bytes is null (and size 0) when there is no such resource.
struct TextResource {
    const char *bytes;
    std::size_t size;
};
TextResource findTextResource(std::uint16_t id);

/// Claims a system-wide name for the rest of the process. False when another living process holds
/// it already; any other failure lets the caller go on (true).
bool claimSingleInstance(const char *name);

/// True on Windows before 6.0, whose full-screen window is limited to 800 by 600.
bool isLegacyWindows();

/// The handle of a window owned by another process (the screensaver host's preview area).
using HostWindow = std::int32_t;
/// Client size of the host window; false (and 0 by 0) when it cannot be measured.
bool hostWindowClientSize(HostWindow window, int &width, int &height);
/// Whether the host window still exists and is enabled (posix: exists and is viewable).
bool hostWindowEnabled(HostWindow window);
/// A GLFW window, with a context made from the current window hints, that draws inside the host
/// window; null when there is none (GLFW has reported why, if it got that far). Windows: a
/// borderless child window of ours covering the host's client area. X11: the host window itself.
GLFWwindow *attachPreviewWindow(HostWindow window);

/// The system's OpenGL library, opened for looking up its exported functions.
void *openGlLibrary();
void closeGlLibrary(void *library);
/// The driver's entry point for a name, for the current context (wglGetProcAddress,
/// glXGetProcAddressARB). May be null.
void *driverProcAddress(const char *name);
/// A function the library exports itself (OpenGL 1.0 and 1.1 on Windows). May be null.
void *libraryProcAddress(void *library, const char *name);

/// Ends the process with exit code 0, the only code this program ever returns.
[[noreturn]] void exitProcess();

} // namespace platform
