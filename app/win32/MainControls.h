// The main window's controls, created from the form's layout table: real
// child windows, the adapters the form talks to, tool tips and the names
// screen readers read.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <string>
#include <vector>

#include "app/Main.h"
#include "app/MainLayout.h"
#include "app/win32/Accessibility.h"
#include "base/win32/Controls.h"

namespace fortuva::win32 {

// The about panel's window class; its procedure is the main window's.
constexpr wchar_t kPanelClass[] = L"FortuvaPanel";
// The blinking slot's timer, ticking at the main window.
constexpr UINT_PTR kBlinkTimerId = 1;

class MainControls {
public:
    // Creates every control of the layout in the main window, laid out at
    // the given resolution.
    MainControls(HINSTANCE instance, HWND main, TOpenDialog& openDialog1, int dpi);
    ~MainControls();
    MainControls(const MainControls&) = delete;
    MainControls& operator=(const MainControls&) = delete;

    TMainFormControls FormControls();

    HWND Panel2() const { return panel2_; }
    HFONT BoldFont() const { return boldFont_; }
    bool IsNotice(HWND control) const { return control == notice_; }
    bool IsResultLabel(HWND control) const { return control == label2_->Handle(); }
    // The adapter of an edit or a link window; nullptr for any other window.
    const Win32Edit* EditOf(HWND control) const;
    Win32Label* LinkOf(HWND control);
    Win32Timer& Timer() { return timer_; }

    // Places every control, with its font, glyph or image, for a screen of
    // this resolution.
    void LayOut(int dpi);

private:
    HWND Create(const ControlRow& row);
    // Names and roles for assistive technology where the window texts fall short.
    void DescribeControls();

    HINSTANCE instance_;
    HWND main_;
    HFONT font_ = nullptr;
    HFONT boldFont_ = nullptr;
    std::vector<HICON> glyphs_;
    std::vector<HWND> windows_;  // by row of the layout
    HWND panel2_ = nullptr;
    HWND notice_ = nullptr;
    HWND tooltip_ = nullptr;

    Win32Window window_;
    std::unique_ptr<Win32Edit> edit1_;
    std::array<std::unique_ptr<Win32Edit>, kSlotCount> slots_;
    std::array<std::unique_ptr<Win32GroupBox>, kPrizeCount> groups_;
    std::unique_ptr<Win32Label> label2_;
    std::unique_ptr<Win32CheckBox> checkBox1_;
    std::unique_ptr<Win32Panel> panel2Control_;
    Win32Timer timer_;
    TOpenDialog& openDialog1_;
    std::unique_ptr<Win32Image> icon_;
    std::unique_ptr<Win32Label> l01_;
    std::vector<std::unique_ptr<Win32Label>> links_;  // LMail, LURL, LMail1, LURL1
    AccessibleControls accessible_;
};

}  // namespace fortuva::win32
