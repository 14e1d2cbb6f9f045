// A flat tool button with a glyph, 16 x 16 at 96 dots per inch. Clicking it
// never takes the keyboard focus, so the entry box keeps it; a click is
// told to the parent as NM_CLICK.
#pragma once

#include <windows.h>

#include "base/win32/CustomControl.h"

namespace fortuva::win32 {

class ToolButton : public CustomControl {
public:
    static constexpr wchar_t kClassName[] = L"FortuvaToolButton";
    static void Register(HINSTANCE instance);

    // The glyph, an icon of the given size, is drawn centred; the button
    // does not own it.
    void SetGlyph(HICON glyph, int size);

private:
    void Paint(HDC dc, const RECT& area) override;
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void SetHot(bool hot);

    HICON glyph_ = nullptr;
    int glyphSize_ = 0;
    bool hot_ = false;
    bool pressed_ = false;
};

}  // namespace fortuva::win32
