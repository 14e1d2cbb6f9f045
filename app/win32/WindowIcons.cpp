#include "app/win32/WindowIcons.h"

#include "app/MainLayout.h"
#include "resources/ResourceNames.h"

namespace fortuva::win32 {

OwnedIcon LoadMainIcon(HINSTANCE instance, int size) {
    return OwnedIcon(static_cast<HICON>(
        LoadImageW(instance, L"" ResourceName(RES_MAIN_ICON), IMAGE_ICON, size, size, LR_DEFAULTCOLOR)));
}

void WindowIcons::Set(std::initializer_list<HWND> windows, int dpi) {
    const ImageSizes sizes = ImageSizesAt(dpi);
    OwnedIcon big = LoadMainIcon(instance_, sizes.bigIcon);
    OwnedIcon small = LoadMainIcon(instance_, sizes.smallIcon);
    for (HWND window : windows) {
        SendMessageW(window, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(big.Get()));
        SendMessageW(window, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(small.Get()));
    }
    big_ = std::move(big);
    small_ = std::move(small);
}

}  // namespace fortuva::win32
