// The one way a failure leaves Windows' hands: every window procedure of
// ours and the message loop run their work through this guard, which hands
// a failure to the application's general handler. A failure must not unwind
// through Windows' own frames, which would end the program without a word.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>

namespace fortuva::win32 {

using FailureHandler = std::function<void(const std::exception&)>;

// Installed once at start-up, before the first window, and kept for the run.
void InstallFailureHandler(FailureHandler handler);

// Hands a failure to the installed handler.
void ReportFailure(const std::exception& failure) noexcept;

// For work of the message loop itself, outside every window procedure.
template <typename Work>
void RunGuarded(Work&& work) noexcept {
    try {
        work();
    } catch (const std::exception& failure) {
        ReportFailure(failure);
    }
}

// For a window procedure: a failed message is answered with 0. A failed
// paint would otherwise be asked for again at once, and again.
template <typename Work>
LRESULT Guarded(HWND hwnd, UINT message, Work&& work) noexcept {
    try {
        return work();
    } catch (const std::exception& failure) {
        if (message == WM_PAINT) ValidateRect(hwnd, nullptr);
        ReportFailure(failure);
        return 0;
    }
}

}  // namespace fortuva::win32
