#include "tests/support/PosixFiles.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

#include "base/Errors.h"

namespace fortuva::test {

namespace {
std::string Narrow(const NativePath& path) { return std::string(path.begin(), path.end()); }

class PosixInputFile : public IInputFile {
public:
    PosixInputFile(std::FILE* file, PosixFileSystem& owner) : file_(file), owner_(owner) {}
    ~PosixInputFile() override {
        if (file_) Close();
    }
    std::size_t Read(char* buffer, std::size_t size) override {
        owner_.lastReadSize = size;
        std::size_t n = std::fread(buffer, 1, size, file_);
        if (n == 0 && std::ferror(file_)) throw EInOutError(static_cast<unsigned long>(errno));
        return n;
    }
    void Close() override {
        std::fclose(file_);
        file_ = nullptr;
        --owner_.openFiles;
    }

private:
    std::FILE* file_;
    PosixFileSystem& owner_;
};
}  // namespace

bool PosixFileSystem::FileExists(const NativePath& path) {
    struct stat st {};
    return ::stat(Narrow(path).c_str(), &st) == 0 && S_ISREG(st.st_mode);
}

std::unique_ptr<IInputFile> PosixFileSystem::OpenRead(const NativePath& path) {
    std::FILE* file = std::fopen(Narrow(path).c_str(), "rb");
    if (!file) throw EInOutError(static_cast<unsigned long>(errno));
    ++openFiles;
    return std::make_unique<PosixInputFile>(file, *this);
}

TempFile::TempFile(const std::string& content) {
    char name[] = "/tmp/fortuva-test-XXXXXX";
    int fd = ::mkstemp(name);
    if (fd < 0) std::abort();
    path_ = name;
    std::size_t done = 0;
    while (done < content.size()) {
        ssize_t n = ::write(fd, content.data() + done, content.size() - done);
        if (n <= 0) std::abort();
        done += static_cast<std::size_t>(n);
    }
    ::close(fd);
}

TempFile::~TempFile() { ::unlink(path_.c_str()); }

}  // namespace fortuva::test
