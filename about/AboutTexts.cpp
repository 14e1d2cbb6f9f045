#include "about/AboutTexts.h"

namespace fortuva {

// Reserved example domains: no real person is ever mailed.
const AuthorAddresses kSystemAuthor{"telvi@example.jp", "http://www.example.jp/telvi/"};
const AuthorAddresses kVoiceAuthor{"lusemi@example.com", "http://example.com/lusemi/"};

std::string ProductLabel(IVersionApi& version, const NativePath& executable) {
    return GetVersionString(version, executable, "ProductName") + " Ver." +
           GetVersionString(version, executable, "ProductVersion") + " with Kavrin Lusemi";
}

std::string MailLinkFor(const std::string& address, const std::string& productLabel) {
    return "Mailto:" + address + "?subject=" + productLabel + "&";
}

}  // namespace fortuva
