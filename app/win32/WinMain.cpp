#include <windows.h>

#include <commctrl.h>

#include <cstdlib>

#include "app/Application.h"
#include "app/win32/MainWindow.h"
#include "base/win32/ComApartment.h"
#include "base/win32/Platform.h"
#include "base/win32/SystemLibrary.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    try {
        // Libraries loaded from here on come from the system folder only,
        // never from the program folder.
        fortuva::win32::RestrictLibrarySearch();
        const fortuva::win32::ComApartment apartment;
        using InitFunction = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        fortuva::win32::SystemProc<InitFunction>(L"comctl32.dll", "InitCommonControlsEx")(&controls);
        fortuva::win32::MainWindow window(instance);
        return window.Run();
    } catch (const std::exception& failure) {
        // A failure before the window's own handler stands (a system library
        // that cannot be had) still gets the error box, not a silent end.
        fortuva::win32::Win32Platform platform;
        const std::string title = fortuva::ApplicationTitle(fortuva::win32::Narrow(fortuva::win32::ModulePath()));
        fortuva::TApplication(platform, title).HandleException(failure);
        return 1;
    }
}

// Every failure reaches the application's general handler, so the run-time's
// verbose report of an uncaught exception, with its name demangler, would
// only add weight to the executable. An uncaught exception simply aborts.
namespace __gnu_cxx {
void __verbose_terminate_handler() { std::abort(); }
}  // namespace __gnu_cxx
