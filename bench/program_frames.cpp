// The screensaver's own frame path, started as /s starts it but presenting without waiting for
// the vertical blank, so that the frame rate is what rendering costs.
#include "frame_source.h"

#include "app/background_scene.h"
#include "app/main_loop.h"
#include "app/screensaver_args.h"
#include "host/glfw_application.h"

namespace {

GLFWwindow *setUpProgram() {
    screensaverArgs = new ScreensaverArgs("/s");
    application = new GLFWApplication(*screensaverArgs);
    application->setSwapInterval(false);
    backgroundScene.setup();
    return application->window();
}

void drawProgramFrame() { renderFrame(backgroundScene); }

} // namespace

const FrameSource programFrames = {setUpProgram, drawProgramFrame};
