// The skeleton of the program's own controls, the tool button and the link
// label: each window of theirs belongs to an object of the control's class,
// bound to it at WM_NCCREATE; it paints on the button face and tells its
// parent what happens with WM_NOTIFY, as common controls do.
#pragma once

#include <windows.h>

#include <commctrl.h>

namespace fortuva::win32 {

// The codes of the program's own notifications beside the common NM_CLICK:
// positive, where every common control's are negative.
enum : UINT {
    kPointerEnters = 1,
    kPointerLeaves = 2,
};

class CustomControl {
public:
    CustomControl() = default;
    virtual ~CustomControl() = default;
    CustomControl(const CustomControl&) = delete;
    CustomControl& operator=(const CustomControl&) = delete;

    // The window, made of the control's class with this object as
    // CreateWindowEx's last argument.
    HWND Handle() const { return hwnd_; }

protected:
    // Registers a window class of such controls.
    static void Register(HINSTANCE instance, const wchar_t* className, UINT style = 0);

    // Tells the parent, in WM_NOTIFY.
    void Notify(UINT code) const;
    // Starts watching for the pointer to leave, WM_MOUSELEAVE then following.
    // False when the pointer is no longer over the control (a move heard
    // late): nothing is watched then.
    bool TrackLeave() const;
    // Whether a point of the client area lies on the control.
    bool Covers(LPARAM point) const;

    // Draws over the button face already laid over the area.
    virtual void Paint(HDC dc, const RECT& area) = 0;
    // Every message but painting; unhandled ones go to DefWindowProc.
    virtual LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    void OnPaint();

    HWND hwnd_ = nullptr;
};

}  // namespace fortuva::win32
