#include "base/win32/FileSystem.h"

#include <windows.h>

#include "base/Errors.h"
#include "base/win32/WideText.h"

namespace fortuva::win32 {
namespace {

class Win32InputFile : public IInputFile {
public:
    explicit Win32InputFile(HANDLE handle) : handle_(handle) {}
    ~Win32InputFile() override {
        if (handle_ != INVALID_HANDLE_VALUE) CloseHandle(handle_);
    }
    std::size_t Read(char* buffer, std::size_t size) override {
        DWORD got = 0;
        if (!ReadFile(handle_, buffer, static_cast<DWORD>(size), &got, nullptr)) throw EInOutError(GetLastError());
        return got;
    }
    void Close() override {
        HANDLE handle = handle_;
        handle_ = INVALID_HANDLE_VALUE;
        if (!CloseHandle(handle)) throw EInOutError(GetLastError());
    }

private:
    HANDLE handle_;
};

}  // namespace

bool Win32FileSystem::FileExists(const NativePath& path) {
    DWORD attributes = GetFileAttributesW(PathW(path).c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
}

std::unique_ptr<IInputFile> Win32FileSystem::OpenRead(const NativePath& path) {
    HANDLE handle = CreateFileW(PathW(path).c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING,
                                FILE_ATTRIBUTE_NORMAL | FILE_FLAG_SEQUENTIAL_SCAN, nullptr);
    if (handle == INVALID_HANDLE_VALUE) throw EInOutError(GetLastError());
    return std::make_unique<Win32InputFile>(handle);
}

}  // namespace fortuva::win32
