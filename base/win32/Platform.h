#pragma once

#include <windows.h>

#include <functional>

#include "base/Platform.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

// The full path of the running executable.
WideString ModulePath();

class Win32Platform : public IPlatform {
public:
    // Message boxes are owned by the window this names when each is shown.
    void SetOwner(std::function<HWND()> owner) { owner_ = std::move(owner); }
    void Beep() override;
    void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) override;
    void Sleep(unsigned milliseconds) override;
    int CurrentYear() override;
    NativePath ExecutablePath() override;

private:
    std::function<HWND()> owner_;
};

}  // namespace fortuva::win32
