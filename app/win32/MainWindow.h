// The humble window: creates the main window and its controls, hands them to
// TMainForm, and forwards every message to the form's handlers.
#pragma once

#include <windows.h>

#include <array>
#include <functional>
#include <memory>
#include <vector>

#include "about/win32/Shell.h"
#include "about/win32/VersionApi.h"
#include "app/Main.h"
#include "app/win32/Accessibility.h"
#include "base/win32/Controls.h"
#include "base/win32/Files.h"
#include "base/win32/Platform.h"
#include "check/win32/Sound.h"
#include "numbers/win32/FileDialog.h"

namespace fortuva::win32 {

class MainWindow {
public:
    explicit MainWindow(HINSTANCE instance);
    ~MainWindow();
    // Start-up, then the message loop until the window is closed.
    int Run();

private:
    static LRESULT CALLBACK MainProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK ApplicationProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    static LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnApplicationMessage(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void RegisterClasses();
    void CreateWindows();
    void CreateControls();
    void AddTooltips();
    void CreateAboutPanel();
    // Names and roles for assistive technology where the window texts fall short.
    void DescribeControls();
    HWND Child(HWND parent, const wchar_t* windowClass, const std::string& text, DWORD style, int id, int x, int y,
               int width, int height, HFONT font = nullptr);
    int Scale(int pixels) const;
    void PlaceAndShow();
    LRESULT OnControlColor(HWND control, HDC dc);
    void OnCommand(int id, int code, HWND control);
    // A key for the form's shortcuts, before the dialog keys; true when taken.
    bool OnShortcut(const MSG& message);
    void DrawResult(const DRAWITEMSTRUCT& item);
    // Runs a handler from the message loop itself, outside every window
    // procedure's guard; a failure goes to the application's general handler.
    void Guard(const std::function<void()>& handler);

    HINSTANCE instance_;
    int dpi_ = 96;
    HWND application_ = nullptr;
    HWND main_ = nullptr;
    HWND panel2_ = nullptr;
    HWND focus_ = nullptr;  // the focused control while the window is inactive
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    HICON bigIcon_ = nullptr;
    HICON smallIcon_ = nullptr;
    HICON openGlyph_ = nullptr;
    HICON aboutGlyph_ = nullptr;

    std::unique_ptr<Win32Window> window_;
    std::array<std::unique_ptr<Win32Edit>, 1 + kSlotCount> edits_;  // edits_[k - 1] is Edit(k)
    std::array<std::unique_ptr<Win32GroupBox>, kPrizeCount> groups_;  // groups_[k - 1] is GroupBox(k)
    std::unique_ptr<Win32Label> label2_;
    std::unique_ptr<Win32CheckBox> checkBox1_;
    std::unique_ptr<Win32Panel> panel2Control_;
    std::unique_ptr<Win32Timer> timer_;
    std::unique_ptr<Win32Image> icon_;
    std::unique_ptr<Win32Label> l01_;
    std::vector<std::unique_ptr<Win32Label>> links_;  // LMail, LURL, LMail1, LURL1
    HWND notice_ = nullptr;
    AccessibleControls accessible_;

    Win32Platform platform_;
    Win32FileSystem files_;
    Win32SoundPlayer sound_;
    Win32FileDialog fileDialog_;
    Win32VersionApi version_;
    Win32Shell shell_;
    std::unique_ptr<TOpenDialog> openDialog1_;
    std::unique_ptr<TApplication> applicationObject_;
    std::unique_ptr<TMainForm> form_;
};

}  // namespace fortuva::win32
