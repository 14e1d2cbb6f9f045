#include "app/Main.h"
#include "numbers/WinningNumberFile.h"

namespace fortuva {

namespace {
constexpr int kFirstSlot = 2;
constexpr int kLastSlot = 9;
}  // namespace

void TMainForm::LoadFile(const NativePath& path) {
    if (!s_.Files.FileExists(path)) return;
    int n = kFirstSlot;
    // The k-th number line goes to the slot "Edit" + (k + 1); reading stops
    // once the eighth slot is filled, since no ninth slot exists.
    ReadNumberLines(s_.Files, path, [&](const std::string& text) {
        if (auto* slot = dynamic_cast<TEdit*>(FindComponent("Edit" + DecimalText(n)))) slot->SetText(text);
        ++n;
        return n <= kLastSlot;
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
