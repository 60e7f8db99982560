// A stand-in for the Windows screensaver settings dialog: a window with a preview area, the
// screensaver started with "/p <area handle>" in a process of its own, and the area disabled or
// destroyed on request. Commands come on standard input, reports go to standard output (see
// README.md). A console program, so that both work under Wine.
#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <string>

namespace {

constexpr int areaX = 84, areaY = 64, areaWidth = 152, areaHeight = 112;
constexpr UINT commandMessage = WM_APP + 1; // wParam: the command, see commandOf
enum Command : WPARAM { Disable, Destroy, Check, Quit, Unknown };

HWND host = nullptr, area = nullptr;

void report(const std::string &line) {
    std::printf("%s\n", line.c_str());
    std::fflush(stdout); // a test reads it at once
}

LRESULT CALLBACK hostProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_DESTROY) PostQuitMessage(0);
    return DefWindowProcW(window, message, wParam, lParam);
}

LRESULT CALLBACK areaProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    return DefWindowProcW(window, message, wParam, lParam);
}

/// Whether the window still has this procedure and no property left behind by the screensaver.
bool hasOwnProcedure(HWND window, WNDPROC procedure) {
    return reinterpret_cast<WNDPROC>(GetWindowLongPtrW(window, GWLP_WNDPROC)) == procedure &&
           GetPropW(window, L"GLFW") == nullptr;
}

bool registerClass(const wchar_t *name, WNDPROC procedure, COLORREF colour) {
    WNDCLASSEXW windowClass = {};
    windowClass.cbSize = sizeof windowClass;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = GetModuleHandleW(nullptr);
    windowClass.hbrBackground = CreateSolidBrush(colour);
    windowClass.lpszClassName = name;
    return RegisterClassExW(&windowClass) != 0;
}

Command commandOf(const std::string &line) {
    if (line == "disable") return Disable;
    if (line == "destroy") return Destroy;
    if (line == "check") return Check;
    if (line == "quit") return Quit;
    return Unknown;
}

// Standard input is read on a thread of its own; the window thread gets each line as a message.
DWORD WINAPI readCommands(void *) {
    char buffer[64];
    while (std::fgets(buffer, sizeof buffer, stdin) != nullptr) {
        std::string line(buffer);
        while (!line.empty() && (line.back() == '\n' || line.back() == '\r')) line.pop_back();
        PostMessageW(host, commandMessage, commandOf(line), 0);
    }
    PostMessageW(host, commandMessage, Quit, 0);
    return 0;
}

DWORD WINAPI waitForScreensaver(void *process) {
    WaitForSingleObject(process, INFINITE);
    DWORD code = 0;
    GetExitCodeProcess(process, &code);
    report("exited " + std::to_string(code));
    return 0;
}

void handle(Command command) {
    switch (command) {
    case Disable:
        if (IsWindow(area)) EnableWindow(area, FALSE);
        break;
    case Destroy:
        if (IsWindow(area)) DestroyWindow(area);
        break;
    case Check: {
        bool own = hasOwnProcedure(host, hostProc) && (!IsWindow(area) || hasOwnProcedure(area, areaProc));
        report(own ? "own procedures yes" : "own procedures no");
        break;
    }
    case Quit: DestroyWindow(host); break;
    case Unknown: break;
    }
}

} // namespace

int main(int argc, char **argv) {
    if (argc < 2) {
        std::fprintf(stderr, "usage: %s PROGRAM [ARGUMENT ...]\n", argv[0]);
        return 2;
    }
    if (!registerClass(L"VorlunePreviewHost", hostProc, RGB(0xa0, 0x60, 0x30)) ||
        !registerClass(L"VorlunePreviewArea", areaProc, RGB(0x80, 0x80, 0x80))) {
        report("failed classes");
        return 1;
    }
    HINSTANCE instance = GetModuleHandleW(nullptr);
    host = CreateWindowExW(0, L"VorlunePreviewHost", L"Vorlune Preview Host", WS_OVERLAPPEDWINDOW, 0, 0, 320, 240,
                           nullptr, nullptr, instance, nullptr);
    area = CreateWindowExW(0, L"VorlunePreviewArea", L"", WS_CHILD | WS_VISIBLE, areaX, areaY, areaWidth, areaHeight,
                           host, nullptr, instance, nullptr);
    if (host == nullptr || area == nullptr) {
        report("failed windows");
        return 1;
    }
    ShowWindow(host, SW_SHOW);
    UpdateWindow(host);
    auto handleValue = static_cast<long long>(reinterpret_cast<std::intptr_t>(area));
    report("area " + std::to_string(handleValue) + " " + std::to_string(areaX) + " " + std::to_string(areaY) + " " +
           std::to_string(areaWidth) + " " + std::to_string(areaHeight));

    std::string commandLine = "\"";
    commandLine += argv[1];
    commandLine += "\"";
    for (int i = 2; i < argc; ++i) commandLine += std::string(" ") + argv[i];
    commandLine += " /p " + std::to_string(handleValue);
    // Our standard output carries the reports; the screensaver's own output (its mesh loading
    // report) goes nowhere, as it does when the settings dialog starts it.
    SECURITY_ATTRIBUTES inheritable = {sizeof inheritable, nullptr, TRUE};
    HANDLE nothing = CreateFileA("NUL", GENERIC_WRITE, FILE_SHARE_WRITE, &inheritable, OPEN_EXISTING, 0, nullptr);
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdOutput = nothing;
    startup.hStdError = nothing;
    PROCESS_INFORMATION process = {};
    if (!CreateProcessA(nullptr, commandLine.data(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &process)) {
        report("failed start");
        return 1;
    }
    report("started " + std::to_string(process.dwProcessId));
    CreateThread(nullptr, 0, waitForScreensaver, process.hProcess, 0, nullptr);
    CreateThread(nullptr, 0, readCommands, nullptr, 0, nullptr);

    MSG message;
    while (GetMessageW(&message, nullptr, 0, 0) > 0) {
        if (message.hwnd == host && message.message == commandMessage)
            handle(static_cast<Command>(message.wParam));
        else
            DispatchMessageW(&message);
    }
    TerminateProcess(process.hProcess, 0); // a screensaver still running goes with its host
    return 0;
}
