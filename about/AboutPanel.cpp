#include "about/AboutPanel.h"

#include "about/VersionInfo.h"
#include "app/Main.h"

namespace fortuva {

namespace {
// Reserved example domains: no real person is ever mailed.
const char* const kSystemMail = "telvi@example.jp";
const char* const kSystemUrl = "http://www.example.jp/telvi/";
const char* const kVoiceMail = "lusemi@example.com";
const char* const kVoiceUrl = "http://example.com/lusemi/";

std::string MailLinkFor(const TLabel& mail, const TLabel& product) {
    return "Mailto:" + mail.Caption() + "?subject=" + product.Caption() + "&";
}
}  // namespace

void TMainForm::PrepareAboutPanel() {
    const NativePath executable = s_.Platform.ExecutablePath();
    c_.L01.SetCaption(GetVersionString(s_.Version, executable, "ProductName") + " Ver." +
                      GetVersionString(s_.Version, executable, "ProductVersion") + " with Kavrin Lusemi");
    c_.Icon.ShowMainIcon();
    // The links are built after the product label, so their subject carries it.
    c_.LMail.SetCaption(kSystemMail);
    c_.LURL.SetCaption(kSystemUrl);
    mailLink_ = MailLinkFor(c_.LMail, c_.L01);
    urlLink_ = c_.LURL.Caption();
    c_.LMail1.SetCaption(kVoiceMail);
    c_.LURL1.SetCaption(kVoiceUrl);
    mailLink1_ = MailLinkFor(c_.LMail1, c_.L01);
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
