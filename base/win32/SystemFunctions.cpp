#include "base/win32/SystemFunctions.h"

#include "base/Errors.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {

// The system folder, without a trailing backslash; empty if it cannot be had.
WideString SystemFolder() {
    const UINT room = GetSystemDirectoryW(nullptr, 0);
    WideString folder(room, L'\0');
    const UINT length = room ? GetSystemDirectoryW(folder.data(), room) : 0;
    folder.resize(length < room ? length : 0);
    return folder;
}

// kernel32, which asks for the loader's search flags, is always loaded:
// asking never comes back here.
HMODULE LoadFromSystemFolder(const wchar_t* library) {
    if (sys::SetDefaultDllDirectories) return LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
    // comctl32 by its bare name, so that the manifest's version 6 is found
    // among the side-by-side assemblies before any folder is searched.
    if (lstrcmpiW(library, L"comctl32.dll") == 0) return LoadLibraryW(library);
    const WideString folder = SystemFolder();
    if (folder.empty()) return nullptr;
    const WideString path = folder + L"\\" + library;
    // Its own dependencies are then looked for beside it first.
    return LoadLibraryExW(path.c_str(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
}

}  // namespace

void RestrictLibrarySearch() {
    if (sys::SetDefaultDllDirectories)
        sys::SetDefaultDllDirectories(LOAD_LIBRARY_SEARCH_SYSTEM32);
    else
        SetDllDirectoryW(L"");
}

FARPROC SystemFunctionAddress::Address() const {
    if (!lookedUp_) {
        HMODULE module = GetModuleHandleW(library_);
        if (!module) module = LoadFromSystemFolder(library_);
        address_ = module ? GetProcAddress(module, name_) : nullptr;
        lookedUp_ = true;
    }
    return address_;
}

FARPROC SystemFunctionAddress::Needed() const {
    if (FARPROC address = Address()) return address;
    throw Exception(Narrow(library_) + " " + name_ + kNotFoundInLibrary);
}

}  // namespace fortuva::win32
