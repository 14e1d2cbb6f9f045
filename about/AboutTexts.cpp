#include "about/AboutTexts.h"

namespace fortuva {

const char kProductPlaceholder[] = "aa";
const char kCredits[] = "プログラム：Telvi　ボイス：Kavrin Lusemi";
const char kCloseButton[] = "閉じる(&X)";
const char kRedistributionNotice[] =
    "このソフトはフリーソフトです。転載・再配布は自由ですが、改変したものを配布するときは作者までご連絡"
    "下さい。雑誌等への収録はご一報下さい。";

// Reserved example domains: no real person is ever mailed.
const AuthorAddresses kSystemAuthor{"Telvi(システム)", "telvi@example.jp", "http://www.example.jp/telvi/"};
const AuthorAddresses kVoiceAuthor{"KavrinLusemi(ボイス)", "lusemi@example.com", "http://example.com/lusemi/"};

std::string ProductLabel(IVersionApi& version, const NativePath& executable) {
    return GetVersionString(version, executable, "ProductName") + " Ver." +
           GetVersionString(version, executable, "ProductVersion") + " with Kavrin Lusemi";
}

std::string MailLinkFor(const std::string& address, const std::string& productLabel) {
    return "Mailto:" + address + "?subject=" + productLabel + "&";
}

}  // namespace fortuva
