// Failures travel as exceptions to the application's general handler. Their
// messages are code page 932 texts shown to the user as they stand.
#pragma once

#include <stdexcept>
#include <string>

namespace fortuva {

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
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
