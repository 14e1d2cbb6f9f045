// The window thread's single-threaded COM apartment, entered once at
// start-up and left at the end of the run. Screen readers are handed their
// objects through it, and the shell's requests (the mail and web links) may
// run shell extensions that need it.
#pragma once

#include <windows.h>

namespace fortuva::win32 {

class ComApartment {
public:
    // Throws when ole32 cannot be had; a thread already in an apartment of
    // another kind stays in it.
    ComApartment();
    ~ComApartment();
    ComApartment(const ComApartment&) = delete;
    ComApartment& operator=(const ComApartment&) = delete;

private:
    bool entered_ = false;
};

}  // namespace fortuva::win32
