#include "app/Main.h"
#include "numbers/WinningNumberFile.h"

namespace fortuva {

void TMainForm::LoadFile(const NativePath& path) {
    if (!s_.Files.FileExists(path)) return;
    std::size_t slot = 0;
    // Number line i goes to slot i, found by its control's name as the form
    // finds any component; reading stops once the last slot is filled.
    ReadNumberLines(s_.Files, path, [&](const std::string& text) {
        if (auto* edit = dynamic_cast<TEdit*>(FindComponent(SlotControlName(slot)))) edit->SetText(text);
        ++slot;
        return slot < kSlotCount;
    });
}

void TMainForm::SpeedButton1Click() {
    if (!c_.OpenDialog1.Execute()) return;
    const NativePath path = c_.OpenDialog1.FileName();
    // A load that fails leaves caption and entry box as they were.
    LoadFile(path);
    SetCaptionLabel(FileLabel(path));
    EnableEntry();
}

}  // namespace fortuva
