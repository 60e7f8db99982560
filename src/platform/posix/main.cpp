// The Linux entry point: the arguments are joined with blanks into the command line that the
// Windows build would receive, so both builds read the same switches the same way.
#include <cstdlib>
#include <string>

#include "app/launcher.h"

int main(int argc, char **argv) {
    // Mesa would keep compiled shaders in a cache under the user's home; a screensaver writes
    // nothing, so the driver is told not to, unless the user has chosen otherwise.
    setenv("MESA_SHADER_CACHE_DISABLE", "true", 0);
    std::string commandLine;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) commandLine += ' ';
        commandLine += argv[i];
    }
    return launch(commandLine.c_str(), nullptr, 0);
}
