// The platform services the form needs beyond its controls.
#pragma once

#include <string>

#include "base/Text.h"

namespace fortuva {

enum class MessageKind { Information, Warning, Plain, Error };

class IPlatform {
public:
    virtual ~IPlatform() = default;
    // The default beep.
    virtual void Beep() = 0;
    // A modal message box with one "OK" button; returns when it is closed.
    virtual void ShowMessage(MessageKind kind, const std::string& title, const std::string& text) = 0;
    // Blocks the window thread.
    virtual void Sleep(unsigned milliseconds) = 0;
    // The year of the local clock.
    virtual int CurrentYear() = 0;
    // Full path of the running executable.
    virtual NativePath ExecutablePath() = 0;
};

}  // namespace fortuva
