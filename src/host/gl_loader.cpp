#include "host/gl_loader.h"

#include <cstdint>

#include "gl_table.h"
#include "platform/platform.h"

GlVersion glContextVersion = {0, 0};

namespace {

/// Some Windows drivers answer an unknown name with 1, 2, 3 or -1 instead of null.
bool isEntryPoint(void *address) {
    auto value = reinterpret_cast<std::intptr_t>(address);
    return address != nullptr && value != 1 && value != 2 && value != 3 && value != -1;
}

} // namespace

int loadGlEntryPoints() {
    void *library = platform::openGlLibrary();
    for (int i = 0; i < glEntryPointCount; ++i) {
        void *address = platform::driverProcAddress(glEntryPointNames[i]);
        if (!isEntryPoint(address)) address = platform::libraryProcAddress(library, glEntryPointNames[i]);
        *glEntryPointSlots[i] = address;
    }
    // The library stays loaded: the process imports it and GLFW holds it too.
    platform::closeGlLibrary(library);

    if (glGetIntegerv == nullptr) return -1;
    glGetIntegerv(GL_MAJOR_VERSION, &glContextVersion.major);
    glGetIntegerv(GL_MINOR_VERSION, &glContextVersion.minor);
    return glContextVersion.major < 3 ? -1 : 0;
}
