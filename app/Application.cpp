#include "app/Application.h"

namespace fortuva {

std::string ApplicationTitle(const std::string& executableFileName) {
    std::string name = executableFileName;
    std::size_t start = 0;
    // Folder separators; a 0x5C inside a double-byte character is no separator.
    for (std::size_t i = 0; i < name.size(); i += CharLength(name, i))
        if (name[i] == '\\' || name[i] == ':') start = i + 1;
    name = name.substr(start);
    name = name.substr(0, name.find('.'));
    // Only single bytes are lowered: a trail byte may look like a capital.
    for (std::size_t i = CharLength(name, 0); i < name.size(); i += CharLength(name, i))
        if (name[i] >= 'A' && name[i] <= 'Z') name[i] = static_cast<char>(name[i] - 'A' + 'a');
    return name;
}

std::string ErrorBoxText(const std::string& message) {
    std::size_t last = LastCharOffset(message);
    if (last != std::string::npos && static_cast<unsigned char>(message[last]) > '.') return message + ".";
    return message;
}

TApplication::TApplication(IPlatform& platform, std::string title)
    : platform_(platform), title_(std::move(title)) {}

void TApplication::HandleException(const std::exception& failure) {
    try {
        platform_.ShowMessage(MessageKind::Error, title_, ErrorBoxText(failure.what()));
    } catch (const std::exception&) {
        // The error box itself cannot be shown: the beep is all that is left.
        platform_.Beep();
    }
}

}  // namespace fortuva
