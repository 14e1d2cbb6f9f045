// Reading one text value from the version resource of an executable file,
// for the product label of the about panel.
#pragma once

#include <string>

#include "base/Text.h"

namespace fortuva {

// The platform's version functions, behind an interface so that the lookup
// runs and is tested without Windows.
struct IVersionApi {
    virtual ~IVersionApi() = default;

    // Size in bytes of the file's version information; 0 when it has none or
    // the file cannot be found or read.
    virtual unsigned long InfoSize(const NativePath& path) = 0;

    // Reads the version information, `size` bytes, into `buffer`.
    virtual bool ReadInfo(const NativePath& path, unsigned long size, void* buffer) = 0;

    // Looks up a binary value such as the translation list. On success points
    // *value inside `buffer` and sets *length to its size in bytes.
    virtual bool QueryValue(const void* buffer, const std::string& subBlock,
                            const void** value, unsigned* length) = 0;

    // Looks up a text value. On success sets *text to it in code page 932, up
    // to its terminating zero, copied out of `buffer`.
    virtual bool QueryString(const void* buffer, const std::string& subBlock, std::string* text) = 0;
};

// The value stored under `key` in the string table of the first language and
// code page that the file declares. Empty text when the file has no readable
// version information or no translation entry; "UnKnown" when that string
// table lacks the key.
std::string GetVersionString(IVersionApi& api, const NativePath& path, const std::string& key);

}  // namespace fortuva
