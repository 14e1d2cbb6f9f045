// The program's controls as assistive technology sees them through the
// platform's accessibility interface. A described control answers
// WM_GETOBJECT with the system's standard accessible object for it, wrapped
// so that its role, name, value and default action are the program's; all
// else (place, state, focus) stays the system's.
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

    // A winning-number slot, named as given, its value its text.
    void Slot(HWND edit, const std::string& name);
    // A tool button, named by its hint, which is its window text; its
    // default action named as given.
    void ToolButton(HWND button, const char* action);
    // A link label, named by its text; its default action named as given.
    void Link(HWND link, const char* action);
    // The result label, named by its text; UI Automation readers read each
    // of its changes once they have finished what they are saying.
    void ResultLabel(HWND label);

    struct Description;

private:
    void Describe(HWND control, const Description& description);

    std::vector<std::unique_ptr<Description>> descriptions_;
};

// The result label: each new result and each message it shows is announced
// to assistive technology at once, so that a screen reader reads it while
// the voice clip plays.
class AnnouncedLabel : public Win32Label {
public:
    using Win32Label::Win32Label;
    void SetCaption(const std::string& caption) override;
};

}  // namespace fortuva::win32
