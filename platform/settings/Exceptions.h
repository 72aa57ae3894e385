// The error classes every layer shares: a plain error with its message, and the silent abort a
// user's Cancel raises. Database errors derive from these in the dataset and Oracle layers.
#pragma once

#include <stdexcept>
#include <string>

class Exception : public std::runtime_error {
public:
    explicit Exception(const std::string& message) : std::runtime_error(message) {}
    const std::string Message() const { return what(); }
};

// Raised to end a user action without any message (a Cancel); the top level swallows it quietly.
class EAbort : public Exception {
public:
    EAbort() : Exception("Operation aborted") {}
};
