#pragma once

#include <windows.h>

#include "about/Shell.h"

namespace fortuva::win32 {

class Win32Shell : public IShell {
public:
    // The shell's own messages about a link are owned by the main window,
    // from which the link was clicked.
    void SetOwner(HWND owner) { owner_ = owner; }
    void Execute(const std::string& verb, const std::string& target) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace fortuva::win32
