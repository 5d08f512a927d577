#include "base/Exception.h"

namespace lorivex {

Exception::Exception(std::string message) : message_(std::move(message)) {}

ElxException::ElxException(std::string message, std::string callStack)
    : Exception(std::move(message)), callStack_(std::move(callStack)) {}

EAbort::EAbort() : Exception("Operation aborted") {}

void RaiseWithContext(const std::string& context, const std::string& functionName,
                      const Exception& e)
{
    if (dynamic_cast<const EAbort*>(&e))
        return;
    std::string trace = context + "." + functionName + "\r\n";
    if (auto* elx = dynamic_cast<const ElxException*>(&e))
        trace += elx->CallStack();
    throw ElxException(e.Message(), std::move(trace));
}

void Abort()
{
    throw EAbort();
}

} // namespace lorivex
