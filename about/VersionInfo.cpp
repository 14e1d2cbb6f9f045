#include "about/VersionInfo.h"

#include <cstdio>
#include <vector>

namespace fortuva {

namespace {

const char kTranslation[] = "\\VarFileInfo\\Translation";

// "\StringFileInfo\041103A4\" for Japanese / code page 932. The key is
// appended afterwards as it stands, so a "%" in it is never read as a format.
std::string StringTablePath(unsigned language, unsigned codePage) {
    char digits[9];
    std::snprintf(digits, sizeof digits, "%04X%04X", language & 0xFFFFu, codePage & 0xFFFFu);
    return std::string("\\StringFileInfo\\") + digits + "\\";
}

}  // namespace

std::string GetVersionString(IVersionApi& api, const NativePath& path, const std::string& key) {
    if (path.empty()) return std::string();

    const unsigned long size = api.InfoSize(path);
    if (size == 0) return std::string();

    // Owned here so that it is released on every way out, exceptions included.
    std::vector<unsigned char> buffer(size);
    if (!api.ReadInfo(path, size, buffer.data())) return std::string();

    const void* list = nullptr;
    unsigned listBytes = 0;
    if (!api.QueryValue(buffer.data(), kTranslation, &list, &listBytes)) return std::string();
    // A list without one whole entry names no string table: nothing to read.
    if (list == nullptr || listBytes < 4) return std::string();

    // One entry is a little-endian 32-bit word: language low, code page high.
    const unsigned char* entry = static_cast<const unsigned char*>(list);
    const unsigned language = entry[0] | (entry[1] << 8);
    const unsigned codePage = entry[2] | (entry[3] << 8);

    std::string value;
    if (!api.QueryString(buffer.data(), StringTablePath(language, codePage) + key, &value)) {
        return "UnKnown";
    }
    return value;
}

}  // namespace fortuva
