// The command line as any host could write it: parsing must stay inside the text and give one of
// the four modes.
#include <cstddef>
#include <cstdint>
#include <string>

#include "app/screensaver_args.h"
#include "fuzz_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    // The parser reads up to the first NUL, as WinMain hands it over; the heap copy lets
    // AddressSanitizer see a read past the terminator.
    std::string text(reinterpret_cast<const char *>(data), size);
    ScreensaverArgs args(text.c_str());
    fuzzCheck(args.mode >= ScreensaverArgs::Preview && args.mode <= ScreensaverArgs::NoSwitch, "mode is 0 to 3");
    if (text.find('/') == std::string::npos) {
        fuzzCheck(args.mode == ScreensaverArgs::NoSwitch && args.hostWindow == 0, "no slash, no switch");
    }
    return 0;
}
