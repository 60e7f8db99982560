#pragma once
// The platform seam as tests see it: message boxes are kept instead of shown, resources come from a
// table the test fills (falling back to the real resources.rc entries), and the host window and
// the single-instance name are plain values the test sets.
#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "platform/platform.h"

struct MessageBoxRecord {
    std::string text;
    std::string caption;
    unsigned style;
};

namespace fakePlatform {

/// Forgets boxes, resource overrides, claimed names and the host window.
void reset();

/// Message boxes shown so far, in order. Each is also written to standard error, so that death
/// tests can match what was shown before the process ended.
const std::vector<MessageBoxRecord> &messageBoxes();

/// Serves these bytes as TEXTFILE resource id until reset.
void setTextResource(std::uint16_t id, std::string bytes);
/// Makes TEXTFILE resource id missing until reset.
void removeTextResource(std::uint16_t id);

struct HostWindowState {
    bool exists = false;
    bool enabled = false;
    int width = 0;
    int height = 0;
};
void setHostWindow(platform::HostWindow window, HostWindowState state);

} // namespace fakePlatform
