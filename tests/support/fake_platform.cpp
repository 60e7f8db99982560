#include "fake_platform.h"

#include <cstdio>
#include <cstdlib>
#include <optional>
#include <set>

#include "platform/posix/embedded_resources.h"

namespace {
std::vector<MessageBoxRecord> boxes;
std::map<std::uint16_t, std::optional<std::string>> resourceOverrides;
std::set<std::string> claimedNames;
std::map<platform::HostWindow, fakePlatform::HostWindowState> hostWindows;
} // namespace

namespace fakePlatform {

void reset() {
    boxes.clear();
    resourceOverrides.clear();
    claimedNames.clear();
    hostWindows.clear();
}

const std::vector<MessageBoxRecord> &messageBoxes() { return boxes; }

void setTextResource(std::uint16_t id, std::string bytes) { resourceOverrides[id] = std::move(bytes); }

void removeTextResource(std::uint16_t id) { resourceOverrides[id] = std::nullopt; }

void setHostWindow(platform::HostWindow window, HostWindowState state) { hostWindows[window] = state; }

} // namespace fakePlatform

namespace platform {

void showMessageBox(const char *text, const char *caption, unsigned style) {
    boxes.push_back({text, caption, style});
    std::fprintf(stderr, "[box %s] %s\n", caption, text);
    std::fflush(stderr);
}

TextResource findTextResource(std::uint16_t id) {
    auto overridden = resourceOverrides.find(id);
    if (overridden != resourceOverrides.end()) {
        if (!overridden->second) return {nullptr, 0};
        return {overridden->second->data(), overridden->second->size()};
    }
    for (std::size_t i = 0; i < embeddedTextResourceCount; ++i)
        if (embeddedTextResources[i].id == id)
            return {reinterpret_cast<const char *>(embeddedTextResources[i].bytes), embeddedTextResources[i].size};
    return {nullptr, 0};
}

bool claimSingleInstance(const char *name) { return claimedNames.insert(name).second; }

bool isLegacyWindows() { return false; }

bool hostWindowClientSize(HostWindow window, int &width, int &height) {
    auto found = hostWindows.find(window);
    bool exists = found != hostWindows.end() && found->second.exists;
    width = exists ? found->second.width : 0;
    height = exists ? found->second.height : 0;
    return exists;
}

bool hostWindowEnabled(HostWindow window) {
    auto found = hostWindows.find(window);
    return found != hostWindows.end() && found->second.exists && found->second.enabled;
}

// Tests reach GL through GlRecorder or a real context, never through this loader path.
void *openGlLibrary() { return nullptr; }
void closeGlLibrary(void *) {}
void *driverProcAddress(const char *) { return nullptr; }
void *libraryProcAddress(void *, const char *) { return nullptr; }

void exitProcess() { std::exit(0); }

} // namespace platform
