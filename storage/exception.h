#pragma once

#include <exception>
#include <string>

// Base of every error the program raises. An event handler that lets one
// escape is ended there and the message goes to the error box.
class Exception : public std::exception {
public:
    explicit Exception(std::string message) : message_(std::move(message)) {}
    const char* what() const noexcept override { return message_.c_str(); }
    const std::string& message() const noexcept { return message_; }

private:
    std::string message_;
};
