// The controls of the main window as the form's handlers see them. The window
// layer implements them with real child windows; tests use plain fakes.
#pragma once

#include <string>

#include "base/Text.h"

namespace fortuva {

enum class TColor { BtnFace, Window, WindowText, Red, Blue };

class TComponent {
public:
    explicit TComponent(std::string name) : name_(std::move(name)) {}
    virtual ~TComponent() = default;
    const std::string& Name() const { return name_; }

private:
    std::string name_;
};

class TEdit : public TComponent {
public:
    using TComponent::TComponent;
    virtual std::string Text() const = 0;
    // Raises the change event, as every change of the text does.
    virtual void SetText(const std::string& text) = 0;
    virtual bool Enabled() const = 0;
    virtual void SetEnabled(bool enabled) = 0;
    virtual TColor Color() const = 0;
    virtual void SetColor(TColor color) = 0;
    virtual void SetFocus() = 0;
};

class TLabel : public TComponent {
public:
    TLabel(std::string name, int tag = 0) : TComponent(std::move(name)), tag_(tag) {}
    int Tag() const { return tag_; }
    virtual std::string Caption() const = 0;
    virtual void SetCaption(const std::string& caption) = 0;
    // Puts the current caption on screen at once.
    virtual void Repaint() = 0;
    // The look of a link label: font colour, underline, pointing-hand cursor.
    virtual void SetLook(TColor fontColor, bool underline, bool handCursor) = 0;

private:
    int tag_;
};

class TGroupBox : public TComponent {
public:
    using TComponent::TComponent;
    virtual std::string Caption() const = 0;
};

class TCheckBox : public TComponent {
public:
    using TComponent::TComponent;
    virtual bool Checked() const = 0;
};

class TPanel : public TComponent {
public:
    using TComponent::TComponent;
    virtual bool Visible() const = 0;
    virtual void SetVisible(bool visible) = 0;
    // Lays the panel over the whole client area of its window.
    virtual void FillParent() = 0;
};

class TImage : public TComponent {
public:
    using TComponent::TComponent;
    // Shows the program's main icon.
    virtual void ShowMainIcon() = 0;
};

// A periodic timer on the window thread.
class TTimer : public TComponent {
public:
    using TComponent::TComponent;
    virtual bool Enabled() const = 0;
    // Enabling an enabled timer changes nothing. Throws when the platform
    // cannot provide a timer.
    virtual void SetEnabled(bool enabled) = 0;
};

// The form's own window: its caption, made of a fixed head and tail around a
// label that may be a file name, which can hold any character the file
// system allows.
class TWindow {
public:
    virtual ~TWindow() = default;
    virtual void SetCaption(const std::string& head, const NativePath& label, const std::string& tail) = 0;
};

}  // namespace fortuva
