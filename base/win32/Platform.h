#pragma once

#include <windows.h>

#include "base/Platform.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

// The full path of the running executable.
WideString ModulePath();

class Win32Platform : public IPlatform {
public:
    // Message boxes are owned by the first of these windows that is visible.
    void SetOwners(HWND mainWindow, HWND applicationWindow);
    void Beep() override;
    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    void Sleep(unsigned milliseconds) override;
    int CurrentYear() override;
    NativePath ExecutablePath() override;

private:
    HWND main_ = nullptr;
    HWND application_ = nullptr;
};

}  // namespace fortuva::win32
