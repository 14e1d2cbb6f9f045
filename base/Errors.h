// Failures travel as exceptions to the application's general handler. Their
// messages are code page 932 texts shown to the user as they stand.
#pragma once

#include <exception>
#include <string>

namespace fortuva {

class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

// An input/output failure with the system's error code.
class EInOutError : public Exception {
public:
    explicit EInOutError(unsigned long code);
    unsigned long ErrorCode() const { return code_; }

private:
    unsigned long code_;
};

}  // namespace fortuva
