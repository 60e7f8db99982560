// glfwAttachWin32Window and the preview's child window, on real windows of this process.
#include <windows.h>

#define GLFW_EXPOSE_NATIVE_WIN32
#include <GLFW/glfw3.h>
#include <GLFW/glfw3native.h>
#include <gtest/gtest.h>

#include <vector>

#include "gl_table.h"
#include "host/gl_loader.h"
#include "platform/platform.h"

namespace {

std::vector<int> reportedErrors;

void keepError(int code, const char *) { reportedErrors.push_back(code); }

LRESULT CALLBACK ownProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

WNDPROC procedureOf(HWND window) { return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)); }

bool handedBack(HWND window) {
    return IsWindow(window) && GetPropW(window, L"GLFW") == nullptr && procedureOf(window) == ownProc;
}

platform::HostWindow hostWindowOf(HWND window) {
    return static_cast<platform::HostWindow>(reinterpret_cast<std::intptr_t>(window));
}

// GLFW with the screensaver's context hints, and windows of a class of the test's own that are
// destroyed after each test.
class AttachWindow : public testing::Test {
protected:
    void SetUp() override {
        reportedErrors.clear();
        glfwSetErrorCallback(keepError);
        ASSERT_EQ(glfwInit(), GLFW_TRUE);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MAJOR, 2);
        glfwWindowHint(GLFW_CONTEXT_VERSION_MINOR, 0);
        WNDCLASSEXW windowClass = {};
        windowClass.cbSize = sizeof windowClass;
        windowClass.lpfnWndProc = ownProc;
        windowClass.hInstance = GetModuleHandleW(nullptr);
        windowClass.lpszClassName = L"VorluneAttachTest";
        RegisterClassExW(&windowClass);
    }
    void TearDown() override {
        glfwTerminate();
        for (HWND window : windows)
            if (IsWindow(window)) DestroyWindow(window);
        glfwSetErrorCallback(nullptr);
    }

    HWND makeWindow(DWORD style, DWORD exStyle = 0, HWND parent = nullptr, int width = 160, int height = 120) {
        HWND window = CreateWindowExW(exStyle, L"VorluneAttachTest", L"attach test", style, 0, 0, width, height, parent,
                                      nullptr, GetModuleHandleW(nullptr), nullptr);
        windows.push_back(window);
        return window;
    }

    std::vector<HWND> windows;
};

struct StyleCase {
    const char *name;
    DWORD style;
    DWORD exStyle;
    bool child;
    int resizable, decorated, floating;
};

TEST_F(AttachWindow, ReportsTheNativeWindowsFrameAsItsAttributes) {
    const StyleCase cases[] = {
        {"sizing border", WS_OVERLAPPEDWINDOW, 0, false, GLFW_TRUE, GLFW_TRUE, GLFW_FALSE},
        {"borderless child", WS_CHILD | WS_VISIBLE, 0, true, GLFW_FALSE, GLFW_FALSE, GLFW_FALSE},
        {"thin border, topmost", WS_POPUP | WS_BORDER, WS_EX_TOPMOST, false, GLFW_FALSE, GLFW_TRUE, GLFW_TRUE},
    };
    HWND parent = makeWindow(WS_OVERLAPPEDWINDOW);
    for (const StyleCase &c : cases) {
        SCOPED_TRACE(c.name);
        HWND native = makeWindow(c.style, c.exStyle, c.child ? parent : nullptr);
        GLFWwindow *window = glfwAttachWin32Window(native, nullptr);
        ASSERT_NE(window, nullptr);
        EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_RESIZABLE), c.resizable);
        EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_DECORATED), c.decorated);
        EXPECT_EQ(glfwGetWindowAttrib(window, GLFW_FLOATING), c.floating);
        EXPECT_EQ(glfwGetWin32Window(window), native);
        glfwDestroyWindow(window);
    }
    EXPECT_TRUE(reportedErrors.empty());
}

TEST_F(AttachWindow, HandsTheWindowBackOnDestroyAndOnTerminate) {
    for (bool terminate : {false, true}) {
        SCOPED_TRACE(terminate ? "glfwTerminate" : "glfwDestroyWindow");
        if (terminate) {
            ASSERT_EQ(glfwInit(), GLFW_TRUE);
        }
        HWND native = makeWindow(WS_OVERLAPPEDWINDOW);
        GLFWwindow *window = glfwAttachWin32Window(native, nullptr);
        ASSERT_NE(window, nullptr);
        // While attached, GLFW gets the window's messages and finds itself through the property.
        EXPECT_EQ(GetPropW(native, L"GLFW"), static_cast<HANDLE>(window));
        EXPECT_NE(procedureOf(native), ownProc);
        SendMessageW(native, WM_CLOSE, 0, 0);
        EXPECT_EQ(glfwWindowShouldClose(window), GLFW_TRUE);

        if (terminate)
            glfwTerminate();
        else
            glfwDestroyWindow(window);
        EXPECT_TRUE(handedBack(native));
    }
}

TEST_F(AttachWindow, FailsOnAHandleThatIsNoLongerAWindow) {
    HWND gone = makeWindow(WS_OVERLAPPEDWINDOW);
    DestroyWindow(gone);
    EXPECT_EQ(glfwAttachWin32Window(gone, nullptr), nullptr);
    EXPECT_EQ(reportedErrors, std::vector<int>{GLFW_PLATFORM_ERROR});
}

TEST_F(AttachWindow, RefusesBeforeInitialisationAndWithAShareWindowWithoutContext) {
    HWND native = makeWindow(WS_OVERLAPPEDWINDOW);
    glfwWindowHint(GLFW_CLIENT_API, GLFW_NO_API);
    glfwWindowHint(GLFW_VISIBLE, GLFW_FALSE);
    GLFWwindow *withoutContext = glfwCreateWindow(16, 16, "no context", nullptr, nullptr);
    ASSERT_NE(withoutContext, nullptr);
    glfwDefaultWindowHints();
    GLFWwindow *withContext = glfwAttachWin32Window(makeWindow(WS_OVERLAPPEDWINDOW), nullptr);
    ASSERT_NE(withContext, nullptr);

    struct {
        const char *name;
        GLFWwindow *share;
        int clientApi;
        int error;
    } const cases[] = {
        {"share window without context", withoutContext, GLFW_OPENGL_API, GLFW_NO_WINDOW_CONTEXT},
        {"no client API but a share window", withContext, GLFW_NO_API, GLFW_NO_WINDOW_CONTEXT},
    };
    for (const auto &c : cases) {
        SCOPED_TRACE(c.name);
        reportedErrors.clear();
        glfwWindowHint(GLFW_CLIENT_API, c.clientApi);
        EXPECT_EQ(glfwAttachWin32Window(native, c.share), nullptr);
        EXPECT_EQ(reportedErrors, std::vector<int>{c.error});
        EXPECT_TRUE(handedBack(native)) << "the window was changed before the hints were checked";
    }

    glfwTerminate();
    reportedErrors.clear();
    EXPECT_EQ(glfwAttachWin32Window(native, nullptr), nullptr);
    EXPECT_EQ(reportedErrors, std::vector<int>{GLFW_NOT_INITIALIZED});
    EXPECT_TRUE(handedBack(native));
}

TEST_F(AttachWindow, TheContextDrawsIntoTheWindow) {
    HWND native = makeWindow(WS_POPUP | WS_VISIBLE, 0, nullptr, 48, 32);
    GLFWwindow *window = glfwAttachWin32Window(native, nullptr);
    ASSERT_NE(window, nullptr);
    glfwMakeContextCurrent(window);
    loadGlEntryPoints();
    int width = 0, height = 0;
    glfwGetFramebufferSize(window, &width, &height);
    EXPECT_EQ(width, 48);
    EXPECT_EQ(height, 32);

    // Left half one colour, right half another: the pixels read back show both where they belong.
    glViewport(0, 0, width, height);
    glEnable(GL_SCISSOR_TEST);
    glScissor(0, 0, width / 2, height);
    glClearColor(1.0f, 0.0f, 0.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glScissor(width / 2, 0, width - width / 2, height);
    glClearColor(0.0f, 0.0f, 1.0f, 1.0f);
    glClear(GL_COLOR_BUFFER_BIT);
    glDisable(GL_SCISSOR_TEST);
    std::vector<unsigned char> pixels(static_cast<std::size_t>(width * height * 4));
    glReadPixels(0, 0, width, height, GL_RGBA, GL_UNSIGNED_BYTE, pixels.data());
    auto at = [&](int x, int y) { return &pixels[static_cast<std::size_t>((y * width + x) * 4)]; };
    EXPECT_EQ(at(2, 16)[0], 255);
    EXPECT_EQ(at(2, 16)[2], 0);
    EXPECT_EQ(at(45, 16)[0], 0);
    EXPECT_EQ(at(45, 16)[2], 255);
    glfwSwapBuffers(window);
    EXPECT_TRUE(reportedErrors.empty());
}

// The render host's preview: a child window of ours fills the host's client area, and goes with it.
TEST_F(AttachWindow, PreviewDrawsInAChildWindowCoveringTheHostsClientArea) {
    HWND host = makeWindow(WS_OVERLAPPEDWINDOW | WS_VISIBLE, 0, nullptr, 200, 150);
    RECT hostArea = {};
    GetClientRect(host, &hostArea);

    GLFWwindow *window = platform::attachPreviewWindow(hostWindowOf(host));
    ASSERT_NE(window, nullptr);
    HWND child = glfwGetWin32Window(window);
    EXPECT_EQ(GetParent(child), host);
    RECT childArea = {};
    GetClientRect(child, &childArea);
    EXPECT_EQ(childArea.right, hostArea.right);
    EXPECT_EQ(childArea.bottom, hostArea.bottom);
    auto style = static_cast<DWORD>(GetWindowLongW(child, GWL_STYLE));
    DWORD wanted = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    EXPECT_EQ(style & wanted, wanted);
    EXPECT_EQ(style & (WS_BORDER | WS_THICKFRAME), 0u);
    EXPECT_NE(GetClassLongW(child, GCL_STYLE) & CS_OWNDC, 0u);
    EXPECT_EQ(procedureOf(host), ownProc) << "the host's own window is not taken over";

    DestroyWindow(host);
    EXPECT_FALSE(IsWindow(child));
    EXPECT_FALSE(platform::hostWindowEnabled(hostWindowOf(host)));
    EXPECT_TRUE(reportedErrors.empty());
}

} // namespace
