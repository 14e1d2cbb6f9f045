// The file system as the program needs it: an existence test and sequential
// reading. Failures of opening, reading and closing throw EInOutError.
#pragma once

#include <cstddef>
#include <memory>

#include "base/Text.h"

namespace fortuva {

class IInputFile {
public:
    virtual ~IInputFile() = default;
    // Up to size bytes into buffer; 0 at the end of the file.
    virtual std::size_t Read(char* buffer, std::size_t size) = 0;
    virtual void Close() = 0;
};

class IFileSystem {
public:
    virtual ~IFileSystem() = default;
    // True for an existing file; a folder does not count.
    virtual bool FileExists(const NativePath& path) = 0;
    // Opens for reading only, sharing reading with other programs.
    virtual std::unique_ptr<IInputFile> OpenRead(const NativePath& path) = 0;
};

}  // namespace fortuva
