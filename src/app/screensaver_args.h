#pragma once
#include <cstdint>

/// The command line as the screensaver host writes it: the mode switch and the handle of the
/// host's preview window.
class ScreensaverArgs {
public:
    enum Mode : std::int32_t { Preview = 0, Run = 1, Configure = 2, NoSwitch = 3 };

    /// Parses NUL-terminated command-line text (without the program's own name). Never reads
    /// past the terminator.
    explicit ScreensaverArgs(const char *commandLine);

    std::int32_t mode;
    /// Decimal handle value read after the last slash once a switch was recognised; 0 if none.
    std::int32_t hostWindow;
};

/// The arguments of this process, published by the launcher.
extern ScreensaverArgs *screensaverArgs;
