#include "base/win32/SystemLibrary.h"

#include "base/Errors.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

FARPROC SystemProcAddress(const wchar_t* library, const char* function) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    FARPROC proc = module ? GetProcAddress(module, function) : nullptr;
    if (!proc) throw Exception(Narrow(library) + " " + function + kNotFoundInLibrary);
    return proc;
}

}  // namespace fortuva::win32
