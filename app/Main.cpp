#include "app/Main.h"

#include "app/MainTexts.h"
#include "base/Errors.h"

namespace fortuva {

TMainForm::TMainForm(const TMainFormControls& controls, const TMainFormServices& services)
    : c_(controls),
      s_(services),
      components_{&c_.Edit1,       &c_.Label2, &c_.CheckBox1, &c_.Panel2, &c_.Timer, &c_.OpenDialog1,
                  &c_.Icon,        &c_.L01,    &c_.LMail,     &c_.LURL,   &c_.LMail1, &c_.LURL1} {
    components_.insert(components_.end(), c_.Slots.begin(), c_.Slots.end());
    components_.insert(components_.end(), c_.GroupBoxes.begin(), c_.GroupBoxes.end());
}

void TMainForm::SetCaptionLabel(const NativePath& label) { c_.Form.SetCaption(kCaptionHead, label, kCaptionTail); }

TComponent* TMainForm::FindComponent(const std::string& name) const {
    for (TComponent* component : components_)
        if (SameName(component->Name(), name)) return component;
    return nullptr;
}

NativePath TMainForm::ProgramFolder() { return FolderOf(s_.Platform.ExecutablePath()); }

NativePath TMainForm::ProgramFile(const std::string& name) { return ProgramFolder() + AsciiPath(name); }

void TMainForm::EnableEntry() {
    c_.Edit1.SetColor(TColor::Window);
    c_.Edit1.SetEnabled(true);
    c_.Edit1.SetFocus();
}

void TMainForm::ShowNotice(IPlatform& platform) {
    platform.Beep();
    platform.ShowMessage(MessageKind::Information, kNoticeTitle, kNoticeText);
}

void TMainForm::FormCreate() {
    int year = s_.Platform.CurrentYear();
    NativePath path = ProgramFile(DecimalText(year) + ".txt");
    if (s_.Files.FileExists(path)) {
        // A year file that cannot be read leaves the window waiting for a
        // file, but start-up still goes on to its last step.
        try {
            LoadFile(path);
            SetCaptionLabel(AsciiPath(DecimalText(year)));
            EnableEntry();
        } catch (const EInOutError& failure) {
            s_.Application.HandleException(failure);
        }
    } else {
        s_.Platform.Beep();
        s_.Platform.ShowMessage(MessageKind::Warning, kMissingFileTitle, kMissingFileText);
    }
    PrepareAboutPanel();
}

}  // namespace fortuva
