// The About "window" of the native build: there is no dialog to show on X11, so the texts go to
// standard output, one line each.
#include "about/about_window.h"

#include <cstdio>
#include <string>

#include "about/about_texts.h"

AboutWindow::AboutWindow(void * /*instance*/, int /*showCommand*/)
    : caption("About"), className("TessalyWindowClass"), buttonText("Visit website"), noticeText(aboutText::notice),
      titleText(aboutText::title) {
    std::string notice = noticeText;
    // The notice's lines end in CR LF for Windows; a terminal wants LF alone.
    for (auto at = notice.find("\r\n"); at != std::string::npos; at = notice.find("\r\n", at)) notice.erase(at, 1);
    std::printf("%s\n%s\n%s\n", titleText, notice.c_str(), aboutText::webPage);
    std::fflush(stdout);
}
