// The form's controls as real child windows. Each adapter keeps what Windows
// does not keep for it (the background colour, the timer's state).
#pragma once

#include <windows.h>

#include <functional>
#include <string>

#include "base/Controls.h"
#include "base/win32/LinkLabel.h"
#include "base/win32/Scoped.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {

// Told whenever a control changes what the window shows (a text, a colour,
// a look, the panel shown or hidden), so that pictures of the window given
// out before are taken anew; never for what only drawing does.
class ShownChanges {
public:
    void Listen(std::function<void()> listener) { listener_ = std::move(listener); }
    void Tell() const {
        if (listener_) listener_();
    }

private:
    std::function<void()> listener_;
};

class Win32Edit : public TEdit {
public:
    Win32Edit(std::string name, HWND hwnd, const ShownChanges& shown)
        : TEdit(std::move(name)), hwnd_(hwnd), shown_(shown) {}
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
    const ShownChanges& shown_;
    TColor color_ = TColor::BtnFace;
};

class Win32Label : public TLabel {
public:
    // An auto-sized label takes the size of its text at every caption.
    Win32Label(std::string name, HWND hwnd, const ShownChanges& shown, int tag = 0, bool autoSize = false)
        : TLabel(std::move(name), tag), shown_(shown), hwnd_(hwnd), autoSize_(autoSize) {}
    HWND Handle() const { return hwnd_; }
    std::string Caption() const override;
    void SetCaption(const std::string& caption) override;
    void Repaint() override;
    // A plain label has no look of a link to change.
    void SetLook(TColor, bool, bool) override {}

protected:
    const ShownChanges& shown_;

private:
    HWND hwnd_;
    bool autoSize_;
};

// A link label, whose look the form changes.
class Win32Link : public Win32Label {
public:
    Win32Link(std::string name, LinkLabel& link, const ShownChanges& shown, int tag)
        : Win32Label(std::move(name), link.Handle(), shown, tag), link_(link) {}
    void SetLook(TColor fontColor, bool underline, bool handCursor) override {
        link_.SetLook(fontColor, underline, handCursor);
        shown_.Tell();
    }

private:
    LinkLabel& link_;
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
    Win32Panel(std::string name, HWND hwnd, const ShownChanges& shown)
        : TPanel(std::move(name)), hwnd_(hwnd), shown_(shown) {}
    HWND Handle() const { return hwnd_; }
    bool Visible() const override;
    void SetVisible(bool visible) override;
    void FillParent() override;

private:
    HWND hwnd_;
    const ShownChanges& shown_;
};

class Win32Image : public TImage {
public:
    // The program's main icon is the icon resource of this name.
    Win32Image(std::string name, HWND hwnd, WideString mainIcon, const ShownChanges& shown)
        : TImage(std::move(name)), hwnd_(hwnd), mainIcon_(std::move(mainIcon)), shown_(shown) {}
    void ShowMainIcon() override;
    // The icon's size in pixels, which follows the screen's resolution; a
    // shown icon is loaded again at it.
    void SetIconSize(int pixels);

private:
    void LoadIconAtSize();

    HWND hwnd_;
    WideString mainIcon_;
    const ShownChanges& shown_;
    int size_ = 0;
    OwnedIcon icon_;
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
    Win32Window(HWND hwnd, const ShownChanges& shown) : hwnd_(hwnd), shown_(shown) {}
    void SetCaption(const std::string& head, const NativePath& label, const std::string& tail) override;

private:
    HWND hwnd_;
    const ShownChanges& shown_;
};

}  // namespace fortuva::win32
