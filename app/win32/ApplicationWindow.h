// The application window: never seen itself, it carries the program's
// taskbar entry with the application's title and owns the main window, which
// so has no entry of its own. Minimising from the entry hides the main
// window with it. It lies beneath the main window, in its place, and gives
// Alt+Tab, the taskbar's thumbnail and the peek the main window's picture.
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
    void Show();
    // Takes the main window's place, beneath it, whenever it moves.
    void Follow();
    // The pictures given out so far show the main window as it was.
    void PictureChanged();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    void OnSize(WPARAM kind);
    bool OnActivate(WPARAM state);
    void OnSendThumbnail(int maxWidth, int maxHeight);
    void OnSendLivePreview();

    HWND hwnd_ = nullptr;
    HWND main_ = nullptr;
};

}  // namespace fortuva::win32
