// A label that behaves like a hyperlink: it tells its parent of the mouse
// coming and going (kPointerEnters, kPointerLeaves) and of clicks
// (NM_CLICK), takes the size of its text, and draws itself in the look it
// is given.
#pragma once

#include <windows.h>

#include "base/Controls.h"
#include "base/win32/CustomControl.h"
#include "base/win32/Scoped.h"

namespace fortuva::win32 {

class LinkLabel : public CustomControl {
public:
    static constexpr wchar_t kClassName[] = L"FortuvaLinkLabel";
    static void Register(HINSTANCE instance);

    void SetLook(TColor color, bool underline, bool handCursor);

private:
    void Paint(HDC dc, const RECT& area) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    HFONT DrawingFont();

    TColor color_ = TColor::WindowText;
    bool underline_ = false;
    bool hand_ = false;
    bool inside_ = false;
    HFONT font_ = nullptr;   // the window's, set by its parent
    OwnedFont underlined_;   // made from it when first needed
};

}  // namespace fortuva::win32
