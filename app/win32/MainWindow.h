// The humble window: creates the main window, hands its controls to
// TMainForm, routes every message to a handler and runs the message loop.
#pragma once

#include <windows.h>

#include <memory>

#include "about/win32/Shell.h"
#include "about/win32/VersionInfo.h"
#include "app/Main.h"
#include "app/win32/ApplicationWindow.h"
#include "app/win32/MainControls.h"
#include "app/win32/WindowIcons.h"
#include "base/win32/FileSystem.h"
#include "base/win32/Platform.h"
#include "base/win32/Scoped.h"
#include "check/win32/Voice.h"
#include "numbers/win32/OpenFile.h"

namespace fortuva::win32 {

class MainWindow {
public:
    MainWindow(HINSTANCE instance, Win32Platform& platform, TApplication& application);
    ~MainWindow();
    // Start-up, then the message loop until the window is closed.
    int Run();

private:
    static void RegisterClasses(HINSTANCE instance, HICON bigIcon, HICON smallIcon);
    static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The main window, its controls and the form on them.
    void CreateForm();
    void PlaceAndShow();

    void OnCommand(int id, int code);
    void OnNotify(const NMHDR& header);
    void OnTimer(WPARAM id);
    bool OnActivate(WPARAM state);
    void OnSysColorChange();
    SIZE OnGetDpiScaledSize(int dpi) const;
    void OnDpiChanged(int dpi, const RECT& suggested);
    void OnClose();
    void OnDestroy();
    // A key for the form's shortcuts, before the dialog keys; true when taken.
    bool OnShortcut(const MSG& message);

    HINSTANCE instance_;
    Win32Platform& platform_;
    TApplication& application_;
    OwnedIcon bigIcon_;  // the window classes', at the desktop's resolution
    OwnedIcon smallIcon_;
    WindowIcons windowIcons_{instance_};  // the windows' own, at their monitor's
    std::unique_ptr<ApplicationWindow> applicationWindow_;
    HWND main_ = nullptr;
    int dpi_ = 96;  // of the monitor the main window stands on
    HWND focus_ = nullptr;  // the focused control while the window is inactive

    Win32FileSystem files_;
    Win32SoundPlayer sound_;
    Win32FileDialog fileDialog_;
    Win32VersionApi version_;
    Win32Shell shell_;
    TOpenDialog openDialog1_{"OpenDialog1", fileDialog_};
    std::unique_ptr<MainControls> controls_;
    std::unique_ptr<TMainForm> form_;
};

}  // namespace fortuva::win32
