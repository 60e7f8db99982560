#include <gtest/gtest.h>

#include <string>

#include "app/screensaver_args.h"

namespace {

struct ParseCase {
    const char *commandLine;
    int mode;
    int hostWindow;
};

class ParseCommandLine : public testing::TestWithParam<ParseCase> {};

TEST_P(ParseCommandLine, GivesModeAndHostWindow) {
    ScreensaverArgs args(GetParam().commandLine);
    EXPECT_EQ(args.mode, GetParam().mode);
    EXPECT_EQ(args.hostWindow, GetParam().hostWindow);
}

INSTANTIATE_TEST_SUITE_P(
    Switches, ParseCommandLine,
    testing::Values(ParseCase{"", 3, 0}, ParseCase{"/s", 1, 0}, ParseCase{"/S", 3, 0}, ParseCase{"-s", 3, 0},
                    ParseCase{"/c", 2, 0}, ParseCase{"/c:5678", 2, 5678}, ParseCase{"/p 1234", 0, 1234},
                    ParseCase{"/p 0012", 0, 12}, ParseCase{"/p", 0, 0}, ParseCase{"/p ", 0, 0}, ParseCase{"/", 3, 0},
                    ParseCase{"/x 55", 3, 0}, ParseCase{"/P 1234", 3, 0},
                    // the switch may stand anywhere; other characters are passed over
                    ParseCase{"  junk /s", 1, 0}, ParseCase{"\"C:\\x.scr\" /p 42", 0, 42},
                    // blanks before the number, signs, and where the number stops
                    ParseCase{"/p    77", 0, 77}, ParseCase{"/p -15", 0, -15}, ParseCase{"/p +15", 0, 15},
                    ParseCase{"/p 12ab34", 0, 12}, ParseCase{"/p abc", 0, 0}, ParseCase{"/p - 5", 0, 0},
                    // the separator is any one character, even a digit
                    ParseCase{"/p1234", 0, 234}, ParseCase{"/p:99", 0, 99},
                    // a later slash reads the handle afresh, whatever letter follows it
                    ParseCase{"/p 1234 /x 99", 0, 99}, ParseCase{"/p 1234 /", 0, 0}, ParseCase{"/p 1234 /x", 0, 0},
                    ParseCase{"/s /p 8", 0, 8}, ParseCase{"/p 8 /s", 1, 0}, ParseCase{"/x 5 /s 6", 1, 6},
                    ParseCase{"//s 3", 1, 3},
                    // numbers too large for a handle saturate instead of overflowing
                    ParseCase{"/p 99999999999999999999", 0, 2147483647},
                    ParseCase{"/p -99999999999999999999", 0, -2147483647 - 1}));

TEST(ParseCommandLine, NeverReadsPastTheEndOfTheText) {
    // Each text lives alone in a buffer of its exact size, so that a read past the terminator
    // shows up under the sanitizers; long and strange input parses all the same.
    const char *endings[] = {"/", "/p", "/p ", "/s/", "//", "/c:"};
    for (const char *ending : endings) {
        std::string text = std::string(5000, '/') + ending;
        auto *exact = new char[text.size() + 1];
        text.copy(exact, text.size());
        exact[text.size()] = '\0';
        ScreensaverArgs args(exact);
        EXPECT_NE(args.mode, -1);
        delete[] exact;
    }
}

} // namespace
