#pragma once

#include <windows.h>

#include "numbers/OpenFile.h"

namespace fortuva::win32 {

// The system's file-open dialog, in its wide form so that any path loads.
class Win32FileDialog : public IFileDialog {
public:
    void SetOwner(HWND owner) { owner_ = owner; }
    bool Execute(OpenDialogState& state) override;

private:
    HWND owner_ = nullptr;
};

}  // namespace fortuva::win32
