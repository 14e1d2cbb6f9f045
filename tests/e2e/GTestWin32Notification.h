// GCC's win32 thread model has no std::mutex; GoogleTest only needs it for
// its Notification, so give it one built on a Win32 event.
#pragma once
#include <windows.h>
namespace testing { namespace internal {
class Notification {
public:
    Notification() : event_(CreateEventW(nullptr, TRUE, FALSE, nullptr)) {}
    ~Notification() { CloseHandle(event_); }
    Notification(const Notification&) = delete;
    Notification& operator=(const Notification&) = delete;
    void Notify() { SetEvent(event_); }
    void WaitForNotification() { WaitForSingleObject(event_, INFINITE); }
private:
    HANDLE event_;
};
} }
#define GTEST_HAS_NOTIFICATION_ 1
