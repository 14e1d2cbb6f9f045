// The version functions of Windows behind IVersionApi. The wide functions are
// used because paths are UTF-16; texts come back in code page 932.
#pragma once

#include "about/VersionInfo.h"

namespace fortuva::win32 {

class Win32VersionApi : public IVersionApi {
public:
    unsigned long InfoSize(const NativePath& path) override;
    bool ReadInfo(const NativePath& path, unsigned long size, void* buffer) override;
    bool QueryValue(const void* buffer, const std::string& subBlock,
                    const void** value, unsigned* length) override;
    bool QueryString(const void* buffer, const std::string& subBlock, std::string* text) override;
};

}  // namespace fortuva::win32
