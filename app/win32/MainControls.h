// The main window's controls, created from the form's layout table: real
// child windows, the adapters the form talks to, tool tips and the names
// screen readers read.
#pragma once

#include <windows.h>

#include <array>
#include <memory>
#include <vector>

#include "app/Main.h"
#include "app/MainLayout.h"
#include "base/win32/Accessibility.h"
#include "base/win32/Controls.h"
#include "base/win32/CustomControl.h"
#include "base/win32/Scoped.h"

namespace fortuva::win32 {

// The about panel's window class.
constexpr wchar_t kPanelClass[] = L"FortuvaPanel";
// The blinking slot's timer, ticking at the main window.
constexpr UINT_PTR kBlinkTimerId = 1;

class MainControls {
public:
    // The window classes of the program's own controls and of the panel.
    static void Register(HINSTANCE instance);
    // Creates every control of the layout in the main window, laid out at
    // the given resolution.
    MainControls(HINSTANCE instance, HWND main, TOpenDialog& openDialog1, int dpi);
    MainControls(const MainControls&) = delete;
    MainControls& operator=(const MainControls&) = delete;

    TMainFormControls FormControls();
    // Tells of every change a control makes to what the window shows.
    ShownChanges& Shown() { return shown_; }

    HWND Panel2() const { return panel2_->Handle(); }
    HFONT BoldFont() const { return boldFont_.Get(); }
    bool HasRedText(HWND control) const;
    bool IsResultLabel(HWND control) const { return control == label2_->Handle(); }
    // The adapters the window's messages reach, found by control id as a
    // dialog's controls are: the entry box and the slots, whose ids run on
    // from Edit1's, and the links, whose ids run on from LMail's; nullptr
    // for any other control.
    const Win32Edit* EditById(int id) const;
    Win32Label* LinkById(int id);
    Win32Timer& Timer() { return timer_; }

    // Places every control, with its font, glyph or image, for a screen of
    // this resolution.
    void LayOut(int dpi);

private:
    static LRESULT CALLBACK PanelProc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    HWND Create(const ControlRow& row, CustomControl* custom);
    // Names and roles for assistive technology where the window texts fall short.
    void DescribeControls();

    HINSTANCE instance_;
    HWND main_;
    OwnedFont font_;
    OwnedFont boldFont_;
    std::vector<OwnedIcon> glyphs_;
    std::vector<HWND> windows_;                               // by row of the layout
    std::vector<std::unique_ptr<CustomControl>> customs_;     // by row; none for the system's controls
    std::vector<HWND> redText_;
    HWND tooltip_ = nullptr;

    ShownChanges shown_;
    Win32Window window_;
    std::array<std::unique_ptr<Win32Edit>, 1 + kSlotCount> edits_;  // Edit1, then the slots
    std::array<std::unique_ptr<Win32GroupBox>, kPrizeCount> groups_;
    std::unique_ptr<Win32Label> label2_;
    std::unique_ptr<Win32CheckBox> checkBox1_;
    std::unique_ptr<Win32Panel> panel2_;
    Win32Timer timer_;
    TOpenDialog& openDialog1_;
    std::unique_ptr<Win32Image> icon_;
    std::unique_ptr<Win32Label> l01_;
    std::array<std::unique_ptr<Win32Link>, 4> links_;  // LMail, LURL, LMail1, LURL1
    AccessibleControls accessible_;
};

}  // namespace fortuva::win32
