// The about panel's platform needs: the shell that opens mail and web links.
#pragma once

#include <string>

namespace fortuva {

class IShell {
public:
    virtual ~IShell() = default;
    // Performs the verb on the target (a mail link or a web address) with
    // the started program's window shown; a failure is silent.
    virtual void Execute(const std::string& verb, const std::string& target) = 0;
};

}  // namespace fortuva
