#include "app/screensaver_args.h"

#include <limits>

ScreensaverArgs *screensaverArgs = nullptr;

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r'; }

/// Reads an optionally signed decimal number after leading white space, as atoi would, but
/// saturating instead of overflowing: a handle out of range is as good as no handle.
std::int32_t readHandle(const char *text) {
    while (isBlank(*text)) ++text;
    bool negative = *text == '-';
    if (*text == '-' || *text == '+') ++text;
    long long value = 0;
    for (; *text >= '0' && *text <= '9'; ++text) {
        value = value * 10 + (*text - '0');
        if (value > std::numeric_limits<std::int32_t>::max()) {
            value = std::numeric_limits<std::int32_t>::max() + (negative ? 1LL : 0LL);
            break;
        }
    }
    return static_cast<std::int32_t>(negative ? -value : value);
}

} // namespace

ScreensaverArgs::ScreensaverArgs(const char *commandLine) : mode(NoSwitch), hostWindow(0) {
    for (const char *c = commandLine; *c != '\0'; ++c) {
        if (*c != '/') continue;
        switch (c[1]) {
        case 'p': mode = Preview; break;
        case 's': mode = Run; break;
        case 'c': mode = Configure; break;
        default: break;
        }
        if (mode == NoSwitch) continue;
        // The handle starts after the slash, the letter and one separator ("/p 1234", "/c:5678").
        hostWindow = (c[1] != '\0' && c[2] != '\0') ? readHandle(c + 3) : 0;
    }
}
