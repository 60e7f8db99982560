#pragma once
#include <windows.h>

#include <cstdint>

#include "platform/platform.h"

namespace platform {

/// The host's window handle as the command line gave it.
inline HWND toHwnd(HostWindow window) { return reinterpret_cast<HWND>(static_cast<std::intptr_t>(window)); }

} // namespace platform
