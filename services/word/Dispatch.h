#pragma once
// Base of every Word object: an automation reference. Collections that Word
// enumerates through the standard enumerator (dispatch id -4) implement
// Enumerable.
#include <memory>

#include "base/Exception.h"

namespace lorivex::word {

class Dispatch {
public:
    virtual ~Dispatch() = default;
};
using DispatchPtr = std::shared_ptr<Dispatch>;

// The variant enumerator: hands out one item at a time, nullptr at the end.
class Enumerator {
public:
    virtual ~Enumerator() = default;
    virtual DispatchPtr Next() = 0;
};

class Enumerable : public virtual Dispatch {
public:
    // The new-enumeration call; nullptr stands for a result that is not an
    // object reference. A failing call raises.
    virtual std::unique_ptr<Enumerator> NewEnum() = 0;
};

// A failure reported by Word (a COM error on Windows, the engine's own on
// POSIX), part of the system's hierarchy so that the context chain wraps it.
class EWordError : public Exception {
public:
    using Exception::Exception;
};

} // namespace lorivex::word
