#pragma once
// The configuration mode's window: the product's title, a still of the animation, the maker's
// notice and a button to the maker's web page. No Win32 types here, so the launcher can use it on
// both targets.

class AboutWindow {
public:
    /// Shows the window and runs its message loop; returns when the window is closed, or at once
    /// when it cannot be created. instance is the executable's HINSTANCE and showCommand the show
    /// command the process was started with. The native build prints the texts instead.
    AboutWindow(void *instance, int showCommand);

private:
    const char *caption;
    const char *className;
    const char *buttonText;
    const char *noticeText;
    const char *titleText;
};
