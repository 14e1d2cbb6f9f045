#include "about/AboutTexts.h"
#include "app/Main.h"

namespace fortuva {

void TMainForm::PrepareAboutPanel() {
    const NativePath executable = s_.Platform.ExecutablePath();
    c_.L01.SetCaption(ProductLabel(s_.Version, executable));
    c_.Icon.ShowMainIcon();
    // The links are built after the product label, so their subject carries it.
    c_.LMail.SetCaption(kSystemAuthor.Mail);
    c_.LURL.SetCaption(kSystemAuthor.Url);
    mailLink_ = MailLinkFor(c_.LMail.Caption(), c_.L01.Caption());
    urlLink_ = c_.LURL.Caption();
    c_.LMail1.SetCaption(kVoiceAuthor.Mail);
    c_.LURL1.SetCaption(kVoiceAuthor.Url);
    mailLink1_ = MailLinkFor(c_.LMail1.Caption(), c_.L01.Caption());
    urlLink1_ = c_.LURL1.Caption();
}

void TMainForm::SpeedButton2Click() {
    // The panel covers everything but disables nothing: the focus stays put.
    c_.Panel2.FillParent();
    c_.Panel2.SetVisible(true);
}

void TMainForm::Button2Click() { c_.Panel2.SetVisible(false); }

void TMainForm::LMailMouseEnter(TLabel& link) { link.SetLook(TColor::Blue, true, true); }

void TMainForm::LMailMouseLeave(TLabel& link) { link.SetLook(TColor::WindowText, false, false); }

void TMainForm::LMailClick(TLabel& link) {
    const bool mail = link.Name().compare(0, 5, "LMail") == 0;
    const std::string& target =
        mail ? (link.Tag() != 0 ? mailLink1_ : mailLink_) : (link.Tag() != 0 ? urlLink1_ : urlLink_);
    s_.Shell.Execute("Open", target);
}

}  // namespace fortuva
