// What the about panel shows beyond its fixed texts: the product label from
// the executable's version resource, and the two authors' addresses with the
// links their labels open.
#pragma once

#include <string>

#include "about/VersionInfo.h"

namespace fortuva {

// "<product name> Ver.<product version> with Kavrin Lusemi".
std::string ProductLabel(IVersionApi& version, const NativePath& executable);

// An author's mail address and web page.
struct AuthorAddresses {
    const char* Mail;
    const char* Url;
};
extern const AuthorAddresses kSystemAuthor;
extern const AuthorAddresses kVoiceAuthor;

// The link a mail label opens: its address, with the product label as the
// subject.
std::string MailLinkFor(const std::string& address, const std::string& productLabel);

}  // namespace fortuva
