// The file system interface over real files of the test machine, so that the
// reader is tested on files as they lie on disk.
#pragma once

#include <cstdio>
#include <string>

#include "base/FileSystem.h"

namespace fortuva::test {

class PosixFileSystem : public IFileSystem {
public:
    bool FileExists(const NativePath& path) override;
    std::unique_ptr<IInputFile> OpenRead(const NativePath& path) override;
    // Counts calls of Read, to see that the reader uses its buffer size.
    std::size_t lastReadSize = 0;
    int openFiles = 0;
};

// A scratch file that is removed again.
class TempFile {
public:
    explicit TempFile(const std::string& content);
    ~TempFile();
    NativePath Path() const { return NativePath(path_.begin(), path_.end()); }
    const std::string& Name() const { return path_; }

private:
    std::string path_;
};

}  // namespace fortuva::test
