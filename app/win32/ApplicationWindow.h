// The application window: never seen itself, it carries the program's
// taskbar entry with the application's title from the start-up notice on,
// and owns the main window, which so has no entry of its own. Minimising
// from the entry hides the main window with it. It lies beneath the main
// window, in its place, and gives Alt+Tab, the taskbar's thumbnail and the
// peek the main window's picture: the last one taken while the main window
// is hidden with the minimised program. While a dialog of the program is
// open it is disabled with the dialog's owner, and whatever activates it or
// asks it to close brings that dialog forward instead.
#pragma once

#include <windows.h>

#include <string>

#include "app/Thumbnail.h"
#include "base/win32/Scoped.h"

namespace fortuva::win32 {

using MainPicture = WindowPicture<OwnedBitmap>;

class ApplicationWindow {
public:
    static void Register(HINSTANCE instance, HICON bigIcon, HICON smallIcon);
    ApplicationWindow(HINSTANCE instance, const std::string& title);
    HWND Handle() const { return hwnd_; }
    // Its entry on the taskbar, before anything else of the program shows.
    void ShowOnTaskbar();
    // The main window it stands for on the taskbar.
    void SetMain(HWND main) { main_ = main; }
    // From now on in the main window's place, and with its picture.
    void StandFor();
    // Takes the main window's place, beneath it, whenever it moves.
    void Follow();
    // The pictures given out so far show the main window as it was.
    void PictureChanged();
    // The main window is about to be hidden: its picture is taken while it
    // can be, to stand in while it is away.
    void KeepPicture();
    // A dialog of the program opens or closes.
    void SetInDialog(bool inDialog);
    bool InDialog() const;
    // The window the user works in comes to the front: the open dialog, or
    // else the main window.
    void BringForward();
    // The same, for a request the user made: a minimised program is
    // restored first.
    void BringBack();

private:
    static LRESULT CALLBACK Proc(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam);
    LRESULT OnMessage(UINT message, WPARAM wParam, LPARAM lParam);
    // The dialog open over the program, or else the main window when shown.
    HWND WorkWindow() const;
    void OnSize(WPARAM kind);
    bool OnActivate(WPARAM state);
    void OnClose();
    void OnPicturesOutOfDate();
    // The main window's picture: afresh while it is shown, else the last one.
    const MainPicture* CurrentPicture();
    void OnSendThumbnail(int maxWidth, int maxHeight);
    void OnSendLivePreview();

    HWND hwnd_ = nullptr;
    HWND main_ = nullptr;
    bool picturesOutOfDate_ = false;  // a telling is on its way
    KeptPicture<MainPicture> keptPicture_;
};

}  // namespace fortuva::win32
