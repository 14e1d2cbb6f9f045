#pragma once

#include "base/FileSystem.h"

namespace fortuva::win32 {

// Files by their wide path, so that any name the file system holds loads.
class Win32FileSystem : public IFileSystem {
public:
    bool FileExists(const NativePath& path) override;
    std::unique_ptr<IInputFile> OpenRead(const NativePath& path) override;
};

}  // namespace fortuva::win32
