// The About window on Windows: registers its class, builds the window and its controls, and runs
// the message loop until the window is closed.
#include "about/about_window.h"

#include "about/about_texts.h"
#include "about/about_window_proc.h"

namespace {

constexpr int windowWidth = 400;
constexpr int windowHeight = 300;
constexpr int textControlId = 10; // the notice and the button; the static notice sends no commands
constexpr int titleControlId = 30;
constexpr WORD pictureId = 101;
constexpr WORD systemIconId = 104;

void showError(const char *text) { MessageBoxA(nullptr, text, "Error!", MB_ICONEXCLAMATION | MB_OK); }

HFONT createArial(int height, int width, int weight, DWORD underline) {
    return CreateFontA(height, width, 0, 0, weight, FALSE, underline, FALSE, DEFAULT_CHARSET, OUT_OUTLINE_PRECIS,
                       CLIP_DEFAULT_PRECIS, CLEARTYPE_QUALITY, VARIABLE_PITCH, "Arial");
}

HWND createControl(const char *controlClass, const char *text, DWORD style, int left, int top, int width, int height,
                   int id, HINSTANCE instance) {
    return CreateWindowExA(0, controlClass, text, style, left, top, width, height, aboutHandles.window,
                           reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), instance, nullptr);
}

void setFont(HWND control, HFONT font) { SendMessageA(control, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE); }

} // namespace

AboutWindow::AboutWindow(void *instanceHandle, int showCommand)
    : caption("About"), className("TessalyWindowClass"), buttonText("Visit website"), noticeText(aboutText::notice),
      titleText(aboutText::title) {
    const auto instance = static_cast<HINSTANCE>(instanceHandle);

    const auto icon = static_cast<HICON>(
        LoadImageA(GetModuleHandleA("user32.dll"), MAKEINTRESOURCEA(systemIconId), IMAGE_ICON, 16, 16, LR_SHARED));
    WNDCLASSA windowClass{};
    windowClass.lpfnWndProc = AboutWindowProc;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursorA(nullptr, MAKEINTRESOURCEA(32512)); // IDC_ARROW
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_WINDOW + 1));
    windowClass.lpszClassName = className;
    // A class left registered by an earlier window still has our procedure: carry on with it.
    if (!RegisterClassA(&windowClass)) showError("Window Registration Failed!");

    // Physical pixels, so that the window is centred on what the screen really has.
    SetProcessDPIAware();
    HDC screen = GetDC(nullptr);
    const int screenWidth = GetDeviceCaps(screen, HORZRES);
    const int screenHeight = GetDeviceCaps(screen, VERTRES);
    ReleaseDC(nullptr, screen);
    const int left = static_cast<int>((screenWidth - windowWidth) * 0.5);
    const int top = static_cast<int>((screenHeight - windowHeight) * 0.5);

    aboutHandles.window = CreateWindowExA(0, className, caption, WS_OVERLAPPED | WS_SYSMENU, left, top, windowWidth,
                                          windowHeight, nullptr, nullptr, instance, nullptr);
    if (!aboutHandles.window) {
        showError("Window Creation Failed!");
        // No window means no close and no quit message: waiting for messages would never end.
        return;
    }

    aboutHandles.picture =
        static_cast<HBITMAP>(LoadImageA(instance, MAKEINTRESOURCEA(pictureId), IMAGE_BITMAP, 0, 0, LR_SHARED));
    // The fonts live as long as the process; nothing deletes them.
    HFONT textFont = createArial(16, 6, FW_NORMAL, FALSE);
    HFONT titleFont = createArial(18, 8, FW_BOLD, TRUE);

    const DWORD staticStyle = WS_CHILD | WS_VISIBLE | WS_TABSTOP;
    aboutHandles.notice = createControl("static", "", staticStyle, 20, 150, 380, 80, textControlId, instance);
    SetWindowTextA(aboutHandles.notice, noticeText);
    setFont(aboutHandles.notice, textFont);

    aboutHandles.title = createControl("static", "", staticStyle, 94, 20, 280, 20, titleControlId, instance);
    SetWindowTextA(aboutHandles.title, titleText);
    setFont(aboutHandles.title, titleFont);

    aboutHandles.button =
        createControl("BUTTON", buttonText, WS_CHILD | WS_VISIBLE, 150, 210, 100, 32, textControlId, instance);
    setFont(aboutHandles.button, textFont);

    ShowWindow(aboutHandles.window, showCommand);
    UpdateWindow(aboutHandles.window);

    MSG message;
    while (GetMessageA(&message, nullptr, 0, 0) > 0) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}
