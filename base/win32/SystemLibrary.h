// Functions of Windows libraries that are not "known DLLs" are taken from the
// system folder only, never from the program folder, where wave files and
// downloads land.
#pragma once

#include <windows.h>

namespace fortuva::win32 {

// Throws when the library or the function cannot be had.
FARPROC SystemProcAddress(const wchar_t* library, const char* function);

template <typename Function>
Function SystemProc(const wchar_t* library, const char* function) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcAddress(library, function)));
}

}  // namespace fortuva::win32
