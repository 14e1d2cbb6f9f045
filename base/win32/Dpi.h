// The screen resolution a window is shown at. From Windows 10 (1703) on,
// each monitor has its own and a window moved to another monitor is told
// of it; before, one resolution holds for the whole desktop.
#pragma once

#include <windows.h>

namespace fortuva::win32 {

// The dots per inch of the monitor the window stands on, or the desktop's
// where the system has only that.
int WindowDpi(HWND window);

// The size of the whole window around a client area this large, its frame
// drawn at that resolution.
SIZE FrameSizeAt(HWND window, SIZE client, int dpi);

// Sizes the window so that its client area is this large under a frame
// drawn at that resolution; its top-left corner moves where given, or else
// stays.
void SizeClientArea(HWND window, SIZE client, int dpi, const POINT* topLeft = nullptr);

}  // namespace fortuva::win32
