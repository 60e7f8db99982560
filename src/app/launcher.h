#pragma once

/// Runs the screensaver for one command line (the text after the program's name) and returns the
/// process's exit code, which is always 0. instance and showCommand are what Windows handed to
/// the entry point; the About window needs them.
int launch(const char *commandLine, void *instance, int showCommand);
