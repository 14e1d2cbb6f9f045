#include <windows.h>

#include "app/Application.h"
#include "app/win32/MainWindow.h"
#include "base/win32/ComApartment.h"
#include "base/win32/Guard.h"
#include "base/win32/Platform.h"
#include "base/win32/SystemFunctions.h"

int WINAPI wWinMain(HINSTANCE instance, HINSTANCE, PWSTR, int) {
    using namespace fortuva;
    using namespace fortuva::win32;
    Win32Platform platform;
    TApplication application(platform, ApplicationTitle(Narrow(ModulePath())));
    // Every failure from here on, in a window procedure or the message loop,
    // reaches the application's general handler.
    InstallFailureHandler([&](const std::exception& failure) { application.HandleException(failure); });
    try {
        // Libraries loaded from here on come from the system folder only,
        // never from the program folder.
        RestrictLibrarySearch();
        // One single-threaded apartment for the window thread, for the
        // shell's requests and screen readers alike.
        const ComApartment apartment;
        INITCOMMONCONTROLSEX controls{sizeof(controls), ICC_STANDARD_CLASSES | ICC_BAR_CLASSES};
        sys::InitCommonControlsEx(&controls);
        MainWindow window(instance, platform, application);
        return window.Run();
    } catch (const std::exception& failure) {
        // A failure before the window stands (a system library that cannot
        // be had) still gets the error box, not a silent end.
        ReportFailure(failure);
        return 1;
    }
}
