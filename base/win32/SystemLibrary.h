// Functions of Windows libraries that are not "known DLLs" are taken from the
// system folder only, never from the program folder, where wave files and
// downloads land.
#pragma once

#include <windows.h>

namespace fortuva::win32 {

// Takes the program folder and the current folder out of the loader's
// search; called before the first library is loaded. Windows 7 without its
// 2011 loader update lacks the loader's search flags: there only the
// current folder leaves the search, and SystemProcAddress names every
// library by its full path in the system folder instead.
void RestrictLibrarySearch();

// Throws when the library or the function cannot be had.
FARPROC SystemProcAddress(const wchar_t* library, const char* function);
// For a function older systems lack: nullptr when it cannot be had.
FARPROC SystemProcAddressIfAny(const wchar_t* library, const char* function);

template <typename Function>
Function SystemProc(const wchar_t* library, const char* function) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcAddress(library, function)));
}

template <typename Function>
Function SystemProcIfAny(const wchar_t* library, const char* function) {
    return reinterpret_cast<Function>(reinterpret_cast<void*>(SystemProcAddressIfAny(library, function)));
}

}  // namespace fortuva::win32
