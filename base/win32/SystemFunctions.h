// Every function of Windows the program looks up at run time rather than
// imports, each named once with the type of its own declaration: those of
// libraries beyond the four it imports (kernel32, user32, gdi32, msvcrt,
// known DLLs, which Windows always takes from its own folder), and those
// later Windows added to these. Each comes from the system folder only,
// never from the program folder, where wave files and downloads land, and
// only at its first use, so that a library is loaded when the program
// first needs it.
#pragma once

#include <windows.h>

#include <commctrl.h>
#include <commdlg.h>
#include <dwmapi.h>
#include <imm.h>
#include <mmsystem.h>
#include <objbase.h>
#include <oleacc.h>
#include <oleauto.h>
#include <shellapi.h>
#include <winver.h>

#include <utility>

namespace fortuva::win32 {

// Takes the program folder and the current folder out of the loader's
// search; called before the first library is loaded. Windows 7 without its
// 2011 loader update lacks the loader's search flags: there only the
// current folder leaves the search, and each library is named by its full
// path in the system folder instead.
void RestrictLibrarySearch();

// A function of a system library, looked up at its first use, from the
// system folder. Tested (`if (function)`) where the program can do without
// it; called where it cannot, a missing one fails like any failure, naming
// itself.
class SystemFunctionAddress {
public:
    constexpr SystemFunctionAddress(const wchar_t* library, const char* name) : library_(library), name_(name) {}
    SystemFunctionAddress(const SystemFunctionAddress&) = delete;
    SystemFunctionAddress& operator=(const SystemFunctionAddress&) = delete;

    explicit operator bool() const { return Address() != nullptr; }

protected:
    // nullptr when the library or the function cannot be had.
    FARPROC Address() const;
    // Throws when it cannot be had.
    FARPROC Needed() const;

private:
    const wchar_t* library_;
    const char* name_;
    mutable FARPROC address_ = nullptr;
    mutable bool lookedUp_ = false;
};

template <typename Function>
class SystemFunction : public SystemFunctionAddress {
public:
    using SystemFunctionAddress::SystemFunctionAddress;

    template <typename... Args>
    auto operator()(Args&&... args) const {
        return reinterpret_cast<Function>(reinterpret_cast<void*>(Needed()))(std::forward<Args>(args)...);
    }
};

namespace sys {

#define FORTUVA_SYSTEM_FUNCTION(library, name) inline SystemFunction<decltype(&::name)> name{library, #name}

// The loader's search flags: Windows 8, and Windows 7 with its 2011 update.
FORTUVA_SYSTEM_FUNCTION(L"kernel32.dll", SetDefaultDllDirectories);

// Each monitor's resolution: Windows 10 (1607) and later.
FORTUVA_SYSTEM_FUNCTION(L"user32.dll", GetDpiForWindow);
FORTUVA_SYSTEM_FUNCTION(L"user32.dll", AdjustWindowRectExForDpi);

// At start-up: the common controls (version 6, which the manifest names)
// and the window procedure chain, the window thread's apartment, and the
// input method kept from the entry box.
FORTUVA_SYSTEM_FUNCTION(L"comctl32.dll", InitCommonControlsEx);
FORTUVA_SYSTEM_FUNCTION(L"comctl32.dll", SetWindowSubclass);
FORTUVA_SYSTEM_FUNCTION(L"comctl32.dll", RemoveWindowSubclass);
FORTUVA_SYSTEM_FUNCTION(L"comctl32.dll", DefSubclassProc);
FORTUVA_SYSTEM_FUNCTION(L"ole32.dll", CoInitializeEx);
FORTUVA_SYSTEM_FUNCTION(L"ole32.dll", CoUninitialize);
FORTUVA_SYSTEM_FUNCTION(L"imm32.dll", ImmAssociateContextEx);

// Once the window shows: the taskbar's pictures of it.
FORTUVA_SYSTEM_FUNCTION(L"dwmapi.dll", DwmSetWindowAttribute);
FORTUVA_SYSTEM_FUNCTION(L"dwmapi.dll", DwmSetIconicThumbnail);
FORTUVA_SYSTEM_FUNCTION(L"dwmapi.dll", DwmSetIconicLivePreviewBitmap);
FORTUVA_SYSTEM_FUNCTION(L"dwmapi.dll", DwmInvalidateIconicBitmaps);

// When used: the voice, the version resource, the file dialog, the links.
FORTUVA_SYSTEM_FUNCTION(L"winmm.dll", sndPlaySoundW);
FORTUVA_SYSTEM_FUNCTION(L"version.dll", GetFileVersionInfoSizeW);
FORTUVA_SYSTEM_FUNCTION(L"version.dll", GetFileVersionInfoW);
FORTUVA_SYSTEM_FUNCTION(L"version.dll", VerQueryValueW);
FORTUVA_SYSTEM_FUNCTION(L"comdlg32.dll", GetOpenFileNameW);
FORTUVA_SYSTEM_FUNCTION(L"shell32.dll", ShellExecuteW);

// Once assistive technology asks.
FORTUVA_SYSTEM_FUNCTION(L"oleacc.dll", CreateStdAccessibleObject);
FORTUVA_SYSTEM_FUNCTION(L"oleacc.dll", LresultFromObject);
FORTUVA_SYSTEM_FUNCTION(L"oleaut32.dll", SysAllocStringLen);
FORTUVA_SYSTEM_FUNCTION(L"ole32.dll", CoCreateInstance);

#undef FORTUVA_SYSTEM_FUNCTION

}  // namespace sys

}  // namespace fortuva::win32
