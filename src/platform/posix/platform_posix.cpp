// Linux/X11 side of the platform seam. The same services as on Windows:
//  - message boxes go to standard error (there is no one to click them);
//  - text resources come from the table that the build generates from resources/resources.rc;
//  - the single-instance name is an abstract UNIX socket, freed by the kernel when the process dies;
//  - the host window is an X11 window id, measured over a connection of our own;
//  - GL entry points come from glXGetProcAddressARB, then from libGL.so.1's exports.
#include <X11/Xlib.h>
#include <dlfcn.h>
#include <sys/socket.h>
#include <sys/un.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "platform/platform.h"
#include "platform/posix/embedded_resources.h"

namespace platform {

void showMessageBox(const char *text, const char *caption, unsigned /*style*/) {
    std::fprintf(stderr, "%s: %s\n", caption, text);
}

TextResource findTextResource(std::uint16_t id) {
    for (std::size_t i = 0; i < embeddedTextResourceCount; ++i)
        if (embeddedTextResources[i].id == id)
            return {reinterpret_cast<const char *>(embeddedTextResources[i].bytes), embeddedTextResources[i].size};
    return {nullptr, 0};
}

bool claimSingleInstance(const char *name) {
    int fd = socket(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0);
    if (fd < 0) return true;
    sockaddr_un address = {};
    address.sun_family = AF_UNIX;
    // Abstract namespace (leading NUL): no file is created, and the name is per user.
    int length = std::snprintf(address.sun_path + 1, sizeof address.sun_path - 1, "%s-%u", name,
                               static_cast<unsigned>(getuid()));
    auto size = static_cast<socklen_t>(offsetof(sockaddr_un, sun_path) + 1 + static_cast<size_t>(length));
    if (bind(fd, reinterpret_cast<sockaddr *>(&address), size) != 0) {
        bool taken = errno == EADDRINUSE;
        close(fd);
        return !taken;
    }
    // The socket stays open for the rest of the process: its name marks this instance.
    return true;
}

bool isLegacyWindows() { return false; }

namespace {

Display *hostDisplay() {
    static Display *display = XOpenDisplay(nullptr);
    return display;
}

int ignoreXError(Display *, XErrorEvent *) { return 0; }

/// Reads a window's attributes; false when the window is gone (BadWindow is swallowed).
bool hostWindowAttributes(HostWindow window, XWindowAttributes &attributes) {
    Display *display = hostDisplay();
    if (display == nullptr || window == 0) return false;
    XSync(display, False);
    auto previous = XSetErrorHandler(ignoreXError);
    Status status = XGetWindowAttributes(display, static_cast<Window>(window), &attributes);
    XSync(display, False);
    XSetErrorHandler(previous);
    return status != 0;
}

} // namespace

bool hostWindowClientSize(HostWindow window, int &width, int &height) {
    XWindowAttributes attributes = {};
    bool measured = hostWindowAttributes(window, attributes);
    width = measured ? attributes.width : 0;
    height = measured ? attributes.height : 0;
    return measured;
}

bool hostWindowEnabled(HostWindow window) {
    XWindowAttributes attributes = {};
    return hostWindowAttributes(window, attributes) && attributes.map_state == IsViewable;
}

void *openGlLibrary() { return dlopen("libGL.so.1", RTLD_LAZY | RTLD_LOCAL); }

void closeGlLibrary(void *library) {
    if (library != nullptr) dlclose(library);
}

void *driverProcAddress(const char *name) {
    using GetProcAddress = void *(*)(const unsigned char *);
    static void *library = openGlLibrary();
    static auto getProcAddress =
        library ? reinterpret_cast<GetProcAddress>(dlsym(library, "glXGetProcAddressARB")) : nullptr;
    return getProcAddress ? getProcAddress(reinterpret_cast<const unsigned char *>(name)) : nullptr;
}

void *libraryProcAddress(void *library, const char *name) {
    return library != nullptr ? dlsym(library, name) : nullptr;
}

void exitProcess() { std::exit(0); }

} // namespace platform
