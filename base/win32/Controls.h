// The form's controls as real child windows. Each adapter keeps what Windows
// does not keep for it (the background colour, the timer's state).
#pragma once

#include <windows.h>

#include <string>

#include "base/Controls.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

COLORREF ColorRef(TColor color);

// The system's text colour that belongs with a background, so that text
// stays readable in every colour scheme, High Contrast included: window text
// on the window colour, button text on button face and on the blink's red.
COLORREF TextColorOn(TColor background);

class Win32Edit : public TEdit {
public:
    Win32Edit(std::string name, HWND hwnd) : TEdit(std::move(name)), hwnd_(hwnd) {}
    HWND Handle() const { return hwnd_; }
    std::string Text() const override;
    void SetText(const std::string& text) override;
    bool Enabled() const override;
    void SetEnabled(bool enabled) override;
    TColor Color() const override { return color_; }
    void SetColor(TColor color) override;
    void SetFocus() override;

private:
    HWND hwnd_;
    TColor color_ = TColor::BtnFace;
};

class Win32Label : public TLabel {
public:
    // An auto-sized label takes the size of its text at every caption.
    Win32Label(std::string name, HWND hwnd, int tag = 0, bool autoSize = false)
        : TLabel(std::move(name), tag), hwnd_(hwnd), autoSize_(autoSize) {}
    HWND Handle() const { return hwnd_; }
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void Repaint() override;
    void SetLook(TColor fontColor, bool underline, bool handCursor) override;

private:
    HWND hwnd_;
    bool autoSize_;
};

class Win32GroupBox : public TGroupBox {
public:
    Win32GroupBox(std::string name, HWND hwnd) : TGroupBox(std::move(name)), hwnd_(hwnd) {}
    std::string Caption() const override;

private:
    HWND hwnd_;
};

class Win32CheckBox : public TCheckBox {
public:
    Win32CheckBox(std::string name, HWND hwnd) : TCheckBox(std::move(name)), hwnd_(hwnd) {}
    bool Checked() const override;

private:
    HWND hwnd_;
};

class Win32Panel : public TPanel {
public:
    Win32Panel(std::string name, HWND hwnd) : TPanel(std::move(name)), hwnd_(hwnd) {}
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void FillParent() override;

private:
    HWND hwnd_;
};

class Win32Image : public TImage {
public:
    // The program's main icon is the icon resource of this name.
    Win32Image(std::string name, HWND hwnd, WideString mainIcon)
        : TImage(std::move(name)), hwnd_(hwnd), mainIcon_(std::move(mainIcon)) {}
    ~Win32Image() override;
    void ShowMainIcon() override;
    // A shown icon is loaded again at the image's size, which follows the
    // screen's resolution.
    void FitIcon();

private:
    void LoadIconAtSize();

    HWND hwnd_;
    WideString mainIcon_;
    HICON icon_ = nullptr;
};

// A periodic timer whose ticks arrive as WM_TIMER at the owner window, also
// inside modal message loops of the same thread.
class Win32Timer : public TTimer {
public:
    Win32Timer(std::string name, HWND owner, UINT_PTR id, UINT interval)
        : TTimer(std::move(name)), owner_(owner), id_(id), interval_(interval) {}
    bool Enabled() const override { return enabled_; }
    void SetEnabled(bool enabled) override;

private:
    HWND owner_;
    UINT_PTR id_;
    UINT interval_;
    bool enabled_ = false;
};

class Win32Window : public TWindow {
public:
    explicit Win32Window(HWND hwnd) : hwnd_(hwnd) {}
    void SetCaption(const std::string& head, const NativePath& label, const std::string& tail) override;

private:
    HWND hwnd_;
};

// The window text of any window, as Windows holds it and in code page 932.
WideString WindowTextW(HWND hwnd);
std::string WindowText(HWND hwnd);

// A window class of ours: the arrow cursor over the button-face colour.
void RegisterWindowClass(HINSTANCE instance, const wchar_t* name, WNDPROC procedure, HICON bigIcon = nullptr,
                         HICON smallIcon = nullptr);

// Sizes a label to its text in its own font.
void FitToText(HWND label);

}  // namespace fortuva::win32
