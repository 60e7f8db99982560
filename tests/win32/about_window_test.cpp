#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "about/about_texts.h"
#include "about/about_window.h"
#include "about/about_window_proc.h"
#include "case_name.h"

namespace {

constexpr COLORREF paleGreen = RGB(177, 232, 179);
const char *const className = "TessalyWindowClass";

struct Opening {
    HWND window;
    std::string address;
};
std::vector<Opening> openings;
void recordOpening(HWND window, const char *address) { openings.push_back({window, address}); }

struct ErrorBox {
    std::string text;
    HWND owner;
};

// State of one run, reached from the timer procedures (they take no context pointer).
std::function<void()> inspection;
std::vector<ErrorBox> errorBoxes;
std::set<HWND> seenBoxes;
bool watchdogFired;

std::string windowText(HWND window) {
    char text[512] = {};
    GetWindowTextA(window, text, sizeof text);
    return text;
}

BOOL CALLBACK collectText(HWND child, LPARAM texts) {
    reinterpret_cast<std::string *>(texts)->append(windowText(child)).append("\n");
    return TRUE;
}

// Dismisses "Error!" message boxes, remembering what they said and whom they belonged to.
BOOL CALLBACK dismissErrorBox(HWND window, LPARAM) {
    char windowClass[32] = {};
    GetClassNameA(window, windowClass, sizeof windowClass);
    if (std::string(windowClass) != "#32770" || windowText(window) != "Error!" || seenBoxes.count(window)) return TRUE;
    seenBoxes.insert(window);
    std::string texts;
    EnumChildWindows(window, collectText, reinterpret_cast<LPARAM>(&texts));
    errorBoxes.push_back({texts, GetWindow(window, GW_OWNER)});
    PostMessageA(window, WM_COMMAND, IDOK, 0);
    return TRUE;
}

// Ticks inside whichever message loop runs: the About window's or a message box's.
void CALLBACK tick(HWND, UINT, UINT_PTR, DWORD) {
    EnumThreadWindows(GetCurrentThreadId(), dismissErrorBox, 0);
    HWND window = aboutHandles.window;
    if (!inspection || !window || !IsWindowVisible(window)) return;
    const auto inspect = std::move(inspection);
    inspection = nullptr;
    inspect();
    if (IsWindow(window)) PostMessageA(window, WM_CLOSE, 0, 0);
}

void CALLBACK watchdog(HWND, UINT, UINT_PTR id, DWORD) {
    KillTimer(nullptr, id);
    watchdogFired = true;
    PostQuitMessage(0);
}

LRESULT CALLBACK refuseCreation(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) return FALSE;
    return DefWindowProcA(window, message, wParam, lParam);
}

// Runs the real About window of this process. inspect is called once from inside its message
// loop when the window is up; the window is closed after it unless inspect closed it already.
class AboutWindowRun : public testing::Test {
protected:
    void SetUp() override {
        openings.clear();
        errorBoxes.clear();
        seenBoxes.clear();
        watchdogFired = false;
        aboutHandles = {};
        aboutPageOpener = recordOpening;
    }

    void TearDown() override {
        aboutPageOpener = shellOpener;
        UnregisterClassA(className, GetModuleHandleA(nullptr));
    }

    void run(std::function<void()> inspect) {
        inspection = std::move(inspect);
        const UINT_PTR ticker = SetTimer(nullptr, 0, 50, tick);
        // A loop that nothing can end any more is ended here, and the test fails.
        const UINT_PTR guard = SetTimer(nullptr, 0, 10000, watchdog);
        AboutWindow window(GetModuleHandleA(nullptr), SW_SHOWNORMAL);
        KillTimer(nullptr, ticker);
        KillTimer(nullptr, guard);
        EXPECT_FALSE(watchdogFired) << "the About window's loop did not end by itself";
    }

    const PageOpener shellOpener = aboutPageOpener;
};

TEST_F(AboutWindowRun, StaticTextsAreColouredOnPaleGreenWithOneBrush) {
    run([] {
        struct Case {
            HWND control;
            COLORREF text;
        };
        const Case cases[] = {{aboutHandles.title, RGB(0, 0, 0)}, {aboutHandles.notice, RGB(0, 51, 255)}};
        HDC dc = CreateCompatibleDC(nullptr);
        std::set<LRESULT> brushes;
        for (const Case &c : cases) {
            SetTextColor(dc, RGB(1, 2, 3));
            SetBkColor(dc, RGB(4, 5, 6));
            const LRESULT brush = SendMessageA(aboutHandles.window, WM_CTLCOLORSTATIC, reinterpret_cast<WPARAM>(dc),
                                               reinterpret_cast<LPARAM>(c.control));
            EXPECT_EQ(GetTextColor(dc), c.text) << windowText(c.control);
            EXPECT_EQ(GetBkColor(dc), paleGreen) << windowText(c.control);
            LOGBRUSH colour{};
            ASSERT_EQ(GetObjectA(reinterpret_cast<HBRUSH>(brush), sizeof colour, &colour), int(sizeof colour));
            EXPECT_EQ(colour.lbStyle, UINT(BS_SOLID));
            EXPECT_EQ(colour.lbColor, paleGreen);
            brushes.insert(brush);
        }
        DeleteDC(dc);
        EXPECT_EQ(brushes.size(), 1u) << "a new brush per message leaks one each time a text is drawn";
    });
}

TEST_F(AboutWindowRun, VisitWebsiteOpensThePageOncePerClickAndKeepsTheWindow) {
    run([] {
        SendMessageA(aboutHandles.button, BM_CLICK, 0, 0);
        SendMessageA(aboutHandles.button, BM_CLICK, 0, 0);
        // Other commands, and other notifications of identifier 10, open nothing.
        for (WPARAM other : {MAKEWPARAM(30, 0), MAKEWPARAM(10, BN_DOUBLECLICKED), WPARAM(0)})
            SendMessageA(aboutHandles.window, WM_COMMAND, other, 0);
        const std::string page = std::string(aboutText::webPage) + "?utm_source=About";
        ASSERT_EQ(openings.size(), 2u);
        for (const Opening &opening : openings) {
            EXPECT_EQ(opening.address, page);
            EXPECT_EQ(opening.window, aboutHandles.window);
        }
        EXPECT_TRUE(IsWindowVisible(aboutHandles.window));
    });
}

TEST_F(AboutWindowRun, CloseDestroysTheWindowAndEndsTheLoop) {
    HWND closed = nullptr;
    run([&closed] {
        closed = aboutHandles.window;
        SendMessageA(closed, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindow(closed));
    });
    // run() returned without the watchdog: WM_DESTROY posted the quit message.
    EXPECT_NE(closed, nullptr);
    EXPECT_TRUE(errorBoxes.empty());
}

TEST_F(AboutWindowRun, WindowAndControlsStandWhereTheyBelong) {
    run([] {
        HWND window = aboutHandles.window;
        EXPECT_EQ(windowText(window), "About");
        HDC screen = GetDC(nullptr);
        const int left = (GetDeviceCaps(screen, HORZRES) - 400) / 2;
        const int top = (GetDeviceCaps(screen, VERTRES) - 300) / 2;
        ReleaseDC(nullptr, screen);
        RECT outer;
        GetWindowRect(window, &outer);
        EXPECT_EQ(outer.left, left);
        EXPECT_EQ(outer.top, top);
        EXPECT_EQ(outer.right - outer.left, 400);
        EXPECT_EQ(outer.bottom - outer.top, 300);
        const LONG style = GetWindowLongA(window, GWL_STYLE);
        EXPECT_EQ(style & (WS_CAPTION | WS_SYSMENU), WS_CAPTION | WS_SYSMENU);
        EXPECT_EQ(style & (WS_THICKFRAME | WS_MINIMIZEBOX | WS_MAXIMIZEBOX), 0);

        struct Control {
            HWND handle;
            const char *windowClass;
            std::string text;
            RECT place;
            int id;
            LONG style;
            LONG fontHeight, fontWeight;
            bool underlined;
        };
        const Control controls[] = {
            {aboutHandles.title, "static", aboutText::title, {94, 20, 374, 40}, 30, 0x50010000, 18, 700, true},
            {aboutHandles.notice, "static", aboutText::notice, {20, 150, 400, 230}, 10, 0x50010000, 16, 400, false},
            {aboutHandles.button, "button", "Visit website", {150, 210, 250, 242}, 10, 0x50000000, 16, 400, false},
        };
        for (const Control &c : controls) {
            SCOPED_TRACE(c.text);
            char windowClass[32] = {};
            GetClassNameA(c.handle, windowClass, sizeof windowClass);
            EXPECT_EQ(lstrcmpiA(windowClass, c.windowClass), 0) << windowClass;
            EXPECT_EQ(windowText(c.handle), c.text);
            RECT place;
            GetWindowRect(c.handle, &place);
            MapWindowPoints(nullptr, window, reinterpret_cast<POINT *>(&place), 2);
            EXPECT_EQ(place.left, c.place.left);
            EXPECT_EQ(place.top, c.place.top);
            EXPECT_EQ(place.right, c.place.right);
            EXPECT_EQ(place.bottom, c.place.bottom);
            EXPECT_EQ(GetDlgCtrlID(c.handle), c.id);
            EXPECT_EQ(GetWindowLongA(c.handle, GWL_STYLE) & 0xFFFF0000, c.style);
            LOGFONTA font{};
            GetObjectA(reinterpret_cast<HFONT>(SendMessageA(c.handle, WM_GETFONT, 0, 0)), sizeof font, &font);
            EXPECT_STREQ(font.lfFaceName, "Arial");
            EXPECT_EQ(font.lfHeight, c.fontHeight);
            EXPECT_EQ(font.lfWeight, c.fontWeight);
            EXPECT_EQ(font.lfUnderline != 0, c.underlined);
        }
    });
}

struct ClassCase {
    const char *name;
    WNDPROC procedure;
    std::vector<std::string> boxes;
    bool windowShown;
};

class AboutWindowFailure : public AboutWindowRun, public testing::WithParamInterface<ClassCase> {};

TEST_P(AboutWindowFailure, ShowsItsErrorBoxesAndNeverWaitsWithoutAWindow) {
    // The class name is taken before the About window registers it.
    WNDCLASSA taken{};
    taken.lpfnWndProc = GetParam().procedure;
    taken.hInstance = GetModuleHandleA(nullptr);
    taken.lpszClassName = className;
    ASSERT_NE(RegisterClassA(&taken), 0);

    bool shown = false;
    run([&shown] { shown = true; });

    ASSERT_EQ(errorBoxes.size(), GetParam().boxes.size());
    for (std::size_t i = 0; i < errorBoxes.size(); ++i) {
        EXPECT_NE(errorBoxes[i].text.find(GetParam().boxes[i]), std::string::npos) << errorBoxes[i].text;
        EXPECT_EQ(errorBoxes[i].owner, nullptr);
    }
    EXPECT_EQ(shown, GetParam().windowShown);
}

INSTANTIATE_TEST_SUITE_P(
    Classes, AboutWindowFailure,
    testing::Values(
        // Left by an earlier About window of this process: the same procedure, so the window runs.
        ClassCase{"AlreadyRegistered", AboutWindowProc, {"Window Registration Failed!"}, true},
        // A class whose windows cannot be created: both boxes, then About mode is over.
        ClassCase{"RefusesWindows", refuseCreation, {"Window Registration Failed!", "Window Creation Failed!"}, false}),
    CaseName());

} // namespace
