#pragma once
// The system's failures. Every failure the system raises derives from
// Exception; ElxException carries the context trace that RaiseWithContext
// grows on the way out; EAbort is the silent abort that ends an operation
// without a report.
#include <exception>
#include <string>

namespace lorivex {

class Exception : public std::exception {
public:
    explicit Exception(std::string message);
    const std::string& Message() const noexcept { return message_; }
    const char* what() const noexcept override { return message_.c_str(); }

private:
    std::string message_;
};

class ElxException : public Exception {
public:
    ElxException(std::string message, std::string callStack);
    // Zero or more "Context.FunctionName\r\n" lines, outermost first.
    const std::string& CallStack() const noexcept { return callStack_; }

private:
    std::string callStack_;
};

class EAbort : public Exception {
public:
    EAbort();
};

// Called from every catch block: returns for the silent abort, otherwise
// raises an ElxException with E's message and one more trace line in front.
void RaiseWithContext(const std::string& context, const std::string& functionName,
                      const Exception& e);

// Raises the silent abort.
[[noreturn]] void Abort();

} // namespace lorivex
