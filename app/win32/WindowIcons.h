// The program's main icon on its windows: drawn for the size asked at each
// resolution, never stretched from another.
#pragma once

#include <windows.h>

#include <initializer_list>

#include "base/win32/Scoped.h"

namespace fortuva::win32 {

// The main icon at that size.
OwnedIcon LoadMainIcon(HINSTANCE instance, int size);

class WindowIcons {
public:
    explicit WindowIcons(HINSTANCE instance) : instance_(instance) {}
    // Gives the windows their big and small icons for that resolution; the
    // icons of before are let go once no window shows them.
    void Set(std::initializer_list<HWND> windows, int dpi);

private:
    HINSTANCE instance_;
    OwnedIcon big_;
    OwnedIcon small_;
};

}  // namespace fortuva::win32
