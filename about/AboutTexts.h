// What the about panel shows: its fixed texts, the product label from the
// executable's version resource, and the two authors with the links their
// labels open.
#pragma once

#include <string>

#include "about/VersionInfo.h"

namespace fortuva {

// "<product name> Ver.<product version> with Kavrin Lusemi".
std::string ProductLabel(IVersionApi& version, const NativePath& executable);

// The panel's fixed texts. The product label's placeholder shows only if
// start-up never prepared the panel.
extern const char kProductPlaceholder[];
extern const char kCredits[];
extern const char kCloseButton[];
extern const char kRedistributionNotice[];

// An author: the frame's title, mail address and web page.
struct AuthorAddresses {
    const char* Title;
    const char* Mail;
    const char* Url;
};
extern const AuthorAddresses kSystemAuthor;
extern const AuthorAddresses kVoiceAuthor;

// The link a mail label opens: its address, with the product label as the
// subject.
std::string MailLinkFor(const std::string& address, const std::string& productLabel);

}  // namespace fortuva
