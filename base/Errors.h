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

// What the window layer raises when Windows refuses a call whose failure
// would otherwise pass unseen.
extern const char kCannotSetText[];       // a control kept its old text
extern const char kCannotShowMessage[];   // a message box never appeared
extern const char kCannotStartTimer[];    // no timer for the blinking
// A library of the system folder, or a function of it, cannot be had; the
// library's and the function's names go before it.
extern const char kNotFoundInLibrary[];

// An input/output failure with the system's error code.
class EInOutError : public Exception {
public:
    explicit EInOutError(unsigned long code);
    unsigned long ErrorCode() const { return code_; }

private:
    unsigned long code_;
};

}  // namespace fortuva
