// Linked into the gl tests of the sanitize build only. Mesa unloads its driver when the last
// context goes away; LeakSanitizer then counts the driver's still-referenced allocations as leaks
// from an unknown module, which no suppression can name. Holding the driver loaded for the whole
// process keeps those allocations reachable, so the leak check stays on for everything else.
#include <dlfcn.h>

namespace {
[[maybe_unused]] const void *const keptDriver = dlopen(VORLUNE_GL_DRIVER, RTLD_NOW | RTLD_NODELETE);
} // namespace
