// The application object: its title and the general handler that every
// failure not handled on the way reaches.
#pragma once

#include <exception>
#include <string>

#include "base/Platform.h"

namespace fortuva {

// The executable's file name without its folder, cut before its first ".",
// every character after the first in lower case.
std::string ApplicationTitle(const std::string& executableFileName);

// The error box's text: the message, with "." appended when its last
// character sorts above ".".
std::string ErrorBoxText(const std::string& message);

class TApplication {
public:
    TApplication(IPlatform& platform, std::string title);
    const std::string& Title() const { return title_; }
    // Shows the failure in a stop box titled with the application's title,
    // or beeps when not even that box can be shown; the program keeps
    // running.
    void HandleException(const std::exception& failure);

private:
    IPlatform& platform_;
    std::string title_;
};

}  // namespace fortuva
