// The About window's procedure: pale green background with the picture, coloured static texts,
// and the button that opens the maker's web page.
#include <string>

#include "about/about_texts.h"
#include "about/about_window_proc.h"

AboutHandles aboutHandles{};

namespace {

constexpr COLORREF paleGreen = RGB(177, 232, 179);
constexpr COLORREF titleColour = RGB(0, 0, 0);
constexpr COLORREF noticeColour = RGB(0, 51, 255);
constexpr WPARAM visitWebsiteId = 10;
constexpr int pictureLeft = 142;
constexpr int pictureTop = 55;

void openWithShell(HWND window, const char *address) {
    // Without a browser this fails; the window has no way to help, so it stays silent.
    ShellExecuteA(window, "open", address, nullptr, nullptr, SW_SHOWNORMAL);
}

void paint(HWND window) {
    PAINTSTRUCT paintStruct;
    HDC dc = BeginPaint(window, &paintStruct);
    RECT client;
    GetClientRect(window, &client);
    SetBkColor(dc, paleGreen);
    ExtTextOutA(dc, 0, 0, ETO_OPAQUE, &client, "", 0, nullptr);

    HDC memory = CreateCompatibleDC(dc);
    HGDIOBJ previous = SelectObject(memory, aboutHandles.picture);
    BITMAP picture{}; // stays 0 by 0 when the bitmap is missing, so nothing is blitted
    GetObjectA(aboutHandles.picture, sizeof picture, &picture);
    BitBlt(dc, pictureLeft, pictureTop, picture.bmWidth, picture.bmHeight, memory, 0, 0, SRCCOPY);
    SelectObject(memory, previous);
    DeleteDC(memory);
    EndPaint(window, &paintStruct);
}

} // namespace

PageOpener aboutPageOpener = openWithShell;

LRESULT CALLBACK AboutWindowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    // Made on the first message and kept until the process ends: WM_CTLCOLORSTATIC hands it out.
    static const HBRUSH background = CreateSolidBrush(paleGreen);
    switch (message) {
    case WM_CLOSE: DestroyWindow(window); return 0;
    case WM_DESTROY:
        DeleteObject(aboutHandles.picture);
        aboutHandles.picture = nullptr;
        PostQuitMessage(0);
        return 0;
    case WM_PAINT: paint(window); return 0;
    case WM_COMMAND:
        if (wParam == visitWebsiteId) {
            static const std::string address = std::string(aboutText::webPage) + aboutText::webPageQuery;
            aboutPageOpener(window, address.c_str());
        }
        return 0;
    case WM_CTLCOLORSTATIC: {
        HDC dc = reinterpret_cast<HDC>(wParam);
        const bool isTitle = reinterpret_cast<HWND>(lParam) == aboutHandles.title;
        SetTextColor(dc, isTitle ? titleColour : noticeColour);
        SetBkColor(dc, paleGreen);
        return reinterpret_cast<LRESULT>(background);
    }
    default: return DefWindowProcA(window, message, wParam, lParam);
    }
}
