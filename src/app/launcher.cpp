#include "app/launcher.h"

#include "about/about_window.h"
#include "app/background_scene.h"
#include "app/main_loop.h"
#include "app/screensaver_args.h"
#include "host/glfw_application.h"
#include "platform/platform.h"

int launch(const char *commandLine, void *instance, int showCommand) {
    screensaverArgs = new ScreensaverArgs(commandLine);
    const int mode = screensaverArgs->mode;
    // A preview or a plain start never runs beside another one; /s and /c always may.
    if ((mode == ScreensaverArgs::Preview || mode == ScreensaverArgs::NoSwitch) &&
        !platform::claimSingleInstance("K_OPENGL_SCREENSAVER"))
        return 0;
    if (mode == ScreensaverArgs::Configure) {
        AboutWindow aboutWindow(instance, showCommand); // returns when the window is closed
        return 0;
    }

    application = new GLFWApplication(*screensaverArgs);
    runMainLoop(application->window(), *screensaverArgs, backgroundScene);
    return 0;
}
