#include <windows.h>

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

#include "platform/platform.h"

namespace {

const char *const testName = "VORLUNE_TEST_SINGLE_INSTANCE";

// Runs in a second process started by the test below: exits 1 when it may run, 2 when refused.
TEST(SingleInstance, ClaimFromAnotherProcess) {
    if (std::getenv("VORLUNE_CLAIM_CHILD") == nullptr) GTEST_SKIP() << "only run as the second process";
    std::exit(platform::claimSingleInstance(testName) ? 1 : 2);
}

DWORD claimInAnotherProcess() {
    char path[MAX_PATH] = {};
    GetModuleFileNameA(nullptr, path, MAX_PATH);
    std::string commandLine = std::string("\"") + path + "\" --gtest_filter=SingleInstance.ClaimFromAnotherProcess";
    SetEnvironmentVariableA("VORLUNE_CLAIM_CHILD", "1");
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION process = {};
    BOOL started =
        CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process);
    SetEnvironmentVariableA("VORLUNE_CLAIM_CHILD", nullptr);
    if (!started) return 0;
    WaitForSingleObject(process.hProcess, 30000);
    DWORD code = 0;
    GetExitCodeProcess(process.hProcess, &code);
    CloseHandle(process.hThread);
    CloseHandle(process.hProcess);
    return code;
}

TEST(SingleInstance, SecondProcessIsRefusedOnlyWhileTheFirstHoldsTheName) {
    EXPECT_EQ(claimInAnotherProcess(), 1u) << "nobody holds the name yet";
    ASSERT_TRUE(platform::claimSingleInstance(testName));
    EXPECT_EQ(claimInAnotherProcess(), 2u);
}

} // namespace
