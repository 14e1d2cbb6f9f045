#pragma once

#include <windows.h>

#include "about/Shell.h"

namespace fortuva::win32 {

class Win32Shell : public IShell {
public:
    // Started programs are owned by the application's window.
    void SetOwner(HWND owner) { owner_ = owner; }
    void Execute(const std::string& verb, const std::string& target) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace fortuva::win32
