#include "base/win32/Guard.h"

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
