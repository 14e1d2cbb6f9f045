#include "base/win32/SystemLibrary.h"

#include "base/Errors.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

namespace {

using SetDefaultDllDirectoriesFunction = BOOL(WINAPI*)(DWORD);

// Looked up, not imported: a Windows 7 without the update would refuse to
// start a program that imports it. Where it exists, so do the loader's
// search flags.
SetDefaultDllDirectoriesFunction SetDefaultDllDirectoriesIfAny() {
    static const auto set = reinterpret_cast<SetDefaultDllDirectoriesFunction>(reinterpret_cast<void*>(
        GetProcAddress(GetModuleHandleW(L"kernel32.dll"), "SetDefaultDllDirectories")));
    return set;
}

// The system folder, without a trailing backslash; empty if it cannot be had.
WideString SystemFolder() {
    const UINT room = GetSystemDirectoryW(nullptr, 0);
    WideString folder(room, L'\0');
    const UINT length = room ? GetSystemDirectoryW(folder.data(), room) : 0;
    folder.resize(length < room ? length : 0);
    return folder;
}

HMODULE LoadFromSystemFolder(const wchar_t* library) {
    if (SetDefaultDllDirectoriesIfAny()) return LoadLibraryExW(library, nullptr, LOAD_LIBRARY_SEARCH_SYSTEM32);
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
    if (const auto set = SetDefaultDllDirectoriesIfAny())
        set(LOAD_LIBRARY_SEARCH_SYSTEM32);
    else
        SetDllDirectoryW(L"");
}

FARPROC SystemProcAddressIfAny(const wchar_t* library, const char* function) {
    HMODULE module = GetModuleHandleW(library);
    if (!module) module = LoadFromSystemFolder(library);
    return module ? GetProcAddress(module, function) : nullptr;
}

FARPROC SystemProcAddress(const wchar_t* library, const char* function) {
    FARPROC proc = SystemProcAddressIfAny(library, function);
    if (!proc) throw Exception(Narrow(library) + " " + function + kNotFoundInLibrary);
    return proc;
}

}  // namespace fortuva::win32
