// Controls as assistive technology sees them through the platform's
// accessibility interface, where their window texts and classes fall short.
// A described control answers WM_GETOBJECT with the system's standard
// accessible object for it, wrapped so that its role, name, value and
// default action are the ones described; all else (place, state, focus)
// stays the system's.
#pragma once

#include <windows.h>

#include <cstddef>
#include <memory>
#include <string>
#include <vector>

#include "base/win32/Controls.h"

namespace fortuva::win32 {

class AccessibleControls {
public:
    AccessibleControls();
    ~AccessibleControls();
    AccessibleControls(const AccessibleControls&) = delete;
    AccessibleControls& operator=(const AccessibleControls&) = delete;

    // An edit that no label names, named as given, its value its text.
    void NamedText(HWND edit, const std::string& name);
    // A push button, named by its window text; its default action named as
    // given, and done by a click in its middle.
    void PushButton(HWND button, const char* action);
    // A link, named by its text; its default action likewise.
    void Link(HWND link, const char* action);
    // A text named by itself, each change of which UI Automation readers
    // read once they have finished what they are saying.
    void LiveText(HWND label);

    struct Description;

private:
    void Describe(HWND control, const Description& description);

    std::vector<std::unique_ptr<Description>> descriptions_;
};

// A label each new text of which is announced to assistive technology at
// once, so that a screen reader reads it while the program goes on.
class AnnouncedLabel : public Win32Label {
public:
    using Win32Label::Win32Label;
    void SetCaption(const std::string& caption) override;
};

}  // namespace fortuva::win32
