// The application window: never seen itself, it carries the program's
// taskbar entry with the application's title and owns the main window, which
// so has no entry of its own. Minimising from the entry hides the main
// window with it.
#pragma once

#include <windows.h>

#include <string>

namespace fortuva::win32 {

class ApplicationWindow {
public:
    static void Register(HINSTANCE instance, HICON bigIcon, HICON smallIcon);
    ApplicationWindow(HINSTANCE instance, const std::string& title);
    HWND Handle() const { return hwnd_; }
    // The main window it stands for on the taskbar.
    void SetMain(HWND main) { main_ = main; }
    void Show() { ShowWindow(hwnd_, SW_SHOWNOACTIVATE); }

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSize(WPARAM kind);
    bool OnActivate(WPARAM state);

    HWND hwnd_ = nullptr;
    HWND main_ = nullptr;
};

}  // namespace fortuva::win32
