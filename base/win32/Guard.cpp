#include "base/win32/Guard.h"

#include <cstdlib>

namespace fortuva::win32 {

namespace {
FailureHandler& Installed() {
    static FailureHandler handler;
    return handler;
}
}  // namespace

void InstallFailureHandler(FailureHandler handler) { Installed() = std::move(handler); }

void ReportFailure(const std::exception& failure) noexcept {
    // Nothing runs before the handler is installed; a failure then has
    // nowhere to go.
    if (!Installed()) std::terminate();
    Installed()(failure);
}

}  // namespace fortuva::win32

// Every failure reaches the general handler through this guard, so the
// run-time's verbose report of an uncaught exception, with its name
// demangler, would only add weight to the executable. An exception that
// escapes the guard simply aborts.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
